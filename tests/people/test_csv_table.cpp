#include "people/csv_table.h"

#include <QtTest>

class TestCsvTable : public QObject {
    Q_OBJECT

private slots:
    void recordsAreReadAsWritten_data();
    void recordsAreReadAsWritten();
    void filesThatAreNoCsvAreRefused_data();
    void filesThatAreNoCsvAreRefused();
    void rowsPastTheLimitAreRefused();
    void writtenRecordsReadBack();
    void formulaCellsGetAnApostrophe_data();
    void formulaCellsGetAnApostrophe();
};

using Rows = QList<QStringList>;

void TestCsvTable::recordsAreReadAsWritten_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("CR LF") << QByteArray("a,b\r\n1,2\r\n3,4\r\n") << Rows{{"1", "2"}, {"3", "4"}} << QList<int>{2, 3};
    QTest::newRow("LF alone, no last line end") << QByteArray("a,b\n1,2\n3,4") << Rows{{"1", "2"}, {"3", "4"}}
                                                << QList<int>{2, 3};
    QTest::newRow("quoted comma and doubled quote")
        << QByteArray("a,b\r\n\"x, y\",\"say \"\"hi\"\"\"\r\n") << Rows{{"x, y", "say \"hi\""}} << QList<int>{2};
    QTest::newRow("line break in a quoted cell moves the next line on")
        << QByteArray("a,b\r\n\"one\r\ntwo\",2\r\n3,4\r\n") << Rows{{"one\r\ntwo", "2"}, {"3", "4"}} << QList<int>{2, 4};
    QTest::newRow("empty cells and an empty quoted cell") << QByteArray("a,b,c\r\n,\"\",\r\n") << Rows{{"", "", ""}}
                                                          << QList<int>{2};
    QTest::newRow("byte order mark and blank lines skipped")
        << QByteArray("\xEF\xBB\xBF" "a\r\n\r\nZoë\r\n\r\n") << Rows{{QStringLiteral("Zoë")}} << QList<int>{3};
}

void TestCsvTable::recordsAreReadAsWritten()
{
    QFETCH(QByteArray, file);
    QFETCH(Rows, rows);
    QFETCH(QList<int>, lines);
    const CsvReading reading = Read_Csv(file, 100);
    QCOMPARE(reading.problem, CsvProblem::none);
    Rows read;
    QList<int> readLines;
    for (const CsvTable::Row& row : reading.table.rows) {
        read.append(row.cells);
        readLines.append(row.line);
    }
    QCOMPARE(read, rows);
    QCOMPARE(readLines, lines);
}

void TestCsvTable::filesThatAreNoCsvAreRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<CsvProblem>("problem");
    QTest::addColumn<int>("line");

    QTest::newRow("Latin-1 text") << QByteArray("a\r\nZo\xEB\r\n") << CsvProblem::notUtf8 << 0;
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\xff\xd8", 10) << CsvProblem::notUtf8 << 0;
    QTest::newRow("empty") << QByteArray() << CsvProblem::empty << 0;
    QTest::newRow("blanks only") << QByteArray(" \r\n\r\n") << CsvProblem::empty << 0;
    QTest::newRow("header only") << QByteArray("name,year\r\n") << CsvProblem::empty << 0;
    QTest::newRow("quote never closed") << QByteArray("a\r\nx\r\n\"open\r\n") << CsvProblem::notCsv << 3;
    QTest::newRow("quote inside a cell") << QByteArray("a\r\nx\r\nab\"c\r\n") << CsvProblem::notCsv << 3;
    QTest::newRow("text after a closing quote") << QByteArray("a\r\n\"x\"y\r\n") << CsvProblem::notCsv << 2;
}

void TestCsvTable::filesThatAreNoCsvAreRefused()
{
    QFETCH(QByteArray, file);
    QFETCH(CsvProblem, problem);
    QFETCH(int, line);
    const CsvReading reading = Read_Csv(file, 100);
    QCOMPARE(reading.problem, problem);
    QCOMPARE(reading.line, line);
}

void TestCsvTable::rowsPastTheLimitAreRefused()
{
    QByteArray file("a\r\n");
    for (int row = 0; row < 5; ++row)
        file.append("x\r\n");
    QCOMPARE(Read_Csv(file, 5).problem, CsvProblem::none);
    QCOMPARE(Read_Csv(file + "y", 5).problem, CsvProblem::tooManyRows);
    QCOMPARE(Read_Csv(file + "y\r\n", 5).problem, CsvProblem::tooManyRows);
}

void TestCsvTable::writtenRecordsReadBack()
{
    const Rows rows{{"plain", "with, comma", "with \"quotes\""}, {"line\nbreak", "", "carriage\rreturn"},
                    {QStringLiteral("Ørsted"), QStringLiteral("日本"), " blanks "}};
    QByteArray file = Csv_Record({"a", "b", "c"});
    for (const QStringList& row : rows)
        file.append(Csv_Record(row));
    QVERIFY(file.startsWith("a,b,c\r\nplain,\"with, comma\",\"with \"\"quotes\"\"\"\r\n"));
    const CsvReading reading = Read_Csv(file, 10);
    QCOMPARE(reading.problem, CsvProblem::none);
    Rows read;
    for (const CsvTable::Row& row : reading.table.rows)
        read.append(row.cells);
    QCOMPARE(read, rows);
}

void TestCsvTable::formulaCellsGetAnApostrophe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");

    QTest::newRow("equals") << "=1+2" << "'=1+2";
    QTest::newRow("plus") << "+31 20" << "'+31 20";
    QTest::newRow("minus") << "-3.7" << "'-3.7";
    QTest::newRow("at") << "@home" << "'@home";
    QTest::newRow("tab") << "\tx" << "'\tx";
    QTest::newRow("carriage return") << "\rx" << "'\rx";
    QTest::newRow("apostrophe before a formula") << "'=x" << "''=x";
    QTest::newRow("apostrophe of a name") << "'Neill" << "'Neill";
    QTest::newRow("formula sign later") << "a=b" << "a=b";
    QTest::newRow("empty") << "" << "";
}

void TestCsvTable::formulaCellsGetAnApostrophe()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    QCOMPARE(Formula_Safe_Cell(text), written);
    QCOMPARE(Formula_Cell_Read(written), text);
}

QTEST_GUILESS_MAIN(TestCsvTable)
#include "test_csv_table.moc"
