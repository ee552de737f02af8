#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A CSV file as RFC 4180 writes it: records of cells separated by commas, a cell in double
// quotes when it holds a comma, a quote or a line break, quotes doubled inside. Read as UTF-8.
struct CsvTable {
    struct Row {
        int line = 0;  // the line of the file the record starts on, counted from 1
        QStringList cells;
    };
    QStringList header;
    std::vector<Row> rows;
};

enum class CsvProblem { none, notUtf8, notCsv, empty, tooManyRows };

struct CsvReading {
    CsvProblem problem = CsvProblem::none;
    int line = 0;  // where the file stops being CSV
    CsvTable table;
};

// Reads a CSV file whose first record is its header; at most `maxRows` records below it. A
// UTF-8 byte order mark is skipped; lines may end in CR LF or LF alone.
CsvReading Read_Csv(const QByteArray& bytes, qsizetype maxRows);

// One record with its line end (CR LF), each cell quoted when it needs to be.
QByteArray Csv_Record(const QStringList& cells);

// A cell a spreadsheet would take for a formula (it starts with "=", "+", "-", "@", a tab or a
// carriage return) gets a leading apostrophe, and so does one that starts with an apostrophe
// followed by such a character, so that Formula_Cell_Read gives back exactly what was written.
QString Formula_Safe_Cell(const QString& text);
QString Formula_Cell_Read(const QString& cell);
