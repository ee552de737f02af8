#include "people/csv_table.h"

#include <QStringDecoder>

namespace {

bool Starts_Formula(QStringView text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' || first == u'\r';
}

bool Needs_Quotes(const QString& cell)
{
    for (const QChar character : cell) {
        if (character == u',' || character == u'"' || character == u'\n' || character == u'\r')
            return true;
    }
    return false;
}

}  // namespace

CsvReading Read_Csv(const QByteArray& bytes, qsizetype maxRows)
{
    CsvReading reading;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        reading.problem = CsvProblem::notUtf8;
        return reading;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.trimmed().isEmpty()) {
        reading.problem = CsvProblem::empty;
        return reading;
    }

    QStringList cells;
    QString cell;
    bool quoted = false;       // inside a quoted cell
    bool afterQuote = false;   // a quoted cell has just closed
    int line = 1;
    int recordLine = 1;
    const auto endRecord = [&]() -> bool {
        cells.append(cell);
        cell.clear();
        afterQuote = false;
        const bool blank = cells.size() == 1 && cells.front().isEmpty();
        if (!blank) {
            if (reading.table.header.isEmpty())
                reading.table.header = cells;
            else if (static_cast<qsizetype>(reading.table.rows.size()) >= maxRows)
                return false;
            else
                reading.table.rows.push_back({recordLine, cells});
        }
        cells.clear();
        return true;
    };
    const qsizetype length = text.size();
    for (qsizetype at = 0; at < length; ++at) {
        const QChar character = text.at(at);
        if (quoted) {
            if (character == u'"') {
                if (at + 1 < length && text.at(at + 1) == u'"') {
                    cell.append(u'"');
                    ++at;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (character == u'\n')
                    ++line;
                cell.append(character);
            }
            continue;
        }
        if (character == u',') {
            cells.append(cell);
            cell.clear();
            afterQuote = false;
        } else if (character == u'\r' || character == u'\n') {
            if (character == u'\r' && at + 1 < length && text.at(at + 1) == u'\n')
                ++at;
            if (!endRecord()) {
                reading.problem = CsvProblem::tooManyRows;
                return reading;
            }
            recordLine = ++line;
        } else if (character == u'"') {
            if (!cell.isEmpty() || afterQuote) {
                reading.problem = CsvProblem::notCsv;
                reading.line = line;
                return reading;
            }
            quoted = true;
        } else {
            if (afterQuote) {
                reading.problem = CsvProblem::notCsv;
                reading.line = line;
                return reading;
            }
            cell.append(character);
        }
    }
    if (quoted) {
        reading.problem = CsvProblem::notCsv;
        reading.line = recordLine;
        return reading;
    }
    if (!cell.isEmpty() || !cells.isEmpty() || afterQuote) {
        if (!endRecord())
            reading.problem = CsvProblem::tooManyRows;
    }
    if (reading.problem == CsvProblem::none && reading.table.rows.empty())
        reading.problem = CsvProblem::empty;
    return reading;
}

QByteArray Csv_Record(const QStringList& cells)
{
    QString record;
    for (qsizetype at = 0; at < cells.size(); ++at) {
        if (at > 0)
            record.append(u',');
        const QString& cell = cells.at(at);
        if (Needs_Quotes(cell)) {
            QString doubled = cell;
            doubled.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            record.append(u'"').append(doubled).append(u'"');
        } else {
            record.append(cell);
        }
    }
    record.append(QStringLiteral("\r\n"));
    return record.toUtf8();
}

QString Formula_Safe_Cell(const QString& text)
{
    if (Starts_Formula(text) || (text.startsWith(u'\'') && Starts_Formula(QStringView(text).mid(1))))
        return u'\'' + text;
    return text;
}

QString Formula_Cell_Read(const QString& cell)
{
    if (cell.startsWith(u'\'') && Formula_Safe_Cell(cell.mid(1)) == cell)
        return cell.mid(1);
    return cell;
}
