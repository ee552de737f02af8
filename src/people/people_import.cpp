#include "people/people_import.h"

#include "people/csv_table.h"
#include "people/people_csv.h"

#include <QLocale>
#include <QSet>

namespace {

constexpr int Refusals_Listed = 20;

QString Count(qsizetype count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(QLocale(QLocale::English).toString(count), QString::fromLatin1(count == 1 ? one : many));
}

QString File_Problem(const CsvReading& reading)
{
    switch (reading.problem) {
    case CsvProblem::none: break;
    case CsvProblem::notUtf8:
        return QStringLiteral("The file is not UTF-8 text: save it as CSV in UTF-8 and import it again. No one was imported.");
    case CsvProblem::notCsv:
        return QStringLiteral("The file is not CSV: its quotes do not pair up on line %1. No one was imported.")
            .arg(reading.line);
    case CsvProblem::empty:
        return QStringLiteral("The file holds no people (it is empty or has a header only). No one was imported.");
    case CsvProblem::tooManyRows:
        return QStringLiteral("The file has more than %1 rows; one import takes at most that many. No one was imported.")
            .arg(QLocale(QLocale::English).toString(Import_Max_Rows));
    }
    return {};
}

}  // namespace

QString Import_Too_Large_Message()
{
    return QStringLiteral("The file is larger than %1 MiB, more than one import takes. No one was imported.")
        .arg(Import_Max_Bytes / (1024 * 1024));
}

ImportPlan Plan_Import(const QByteArray& bytes, const std::function<bool(const BirthData&)>& inBook)
{
    ImportPlan plan;
    if (bytes.size() > Import_Max_Bytes) {
        plan.problem = Import_Too_Large_Message();
        return plan;
    }
    const CsvReading reading = Read_Csv(bytes, Import_Max_Rows);
    if (reading.problem != CsvProblem::none) {
        plan.problem = File_Problem(reading);
        return plan;
    }
    const QStringList missing = Missing_Csv_Columns(reading.table.header);
    if (!missing.isEmpty()) {
        plan.problem = QStringLiteral("The file is no list of people: its header row lacks the columns %1. "
                                      "No one was imported.")
                           .arg(missing.join(QStringLiteral(", ")));
        return plan;
    }
    QHash<QString, int> firstLine;
    for (const CsvTable::Row& row : reading.table.rows) {
        std::variant<Person, QString> read = Person_From_Csv(reading.table.header, row.cells);
        if (auto* reason = std::get_if<QString>(&read)) {
            plan.refused.push_back({row.line, *reason});
            continue;
        }
        Person& person = std::get<Person>(read);
        if (inBook && inBook(person.birth)) {
            ++plan.alreadyInBook;
            continue;
        }
        const QString key = Person_Key(person.birth);
        if (const auto seen = firstLine.constFind(key); seen != firstLine.cend()) {
            plan.refused.push_back({row.line, QStringLiteral("the same person as line %1").arg(*seen)});
            continue;
        }
        firstLine.insert(key, row.line);
        plan.toAdd.push_back(std::move(person));
    }
    return plan;
}

QString Import_Summary(const ImportPlan& plan)
{
    QString text = QStringLiteral("Importing this file would add %1 to the book.")
                       .arg(Count(static_cast<qsizetype>(plan.toAdd.size()), "person", "people"));
    if (plan.alreadyInBook > 0)
        text += QStringLiteral("\n%1 in the book already and left as they are.")
                    .arg(Count(plan.alreadyInBook, "person is", "people are"));
    if (!plan.refused.empty()) {
        text += QStringLiteral("\n%1 refused:").arg(Count(static_cast<qsizetype>(plan.refused.size()), "row is", "rows are"));
        int listed = 0;
        for (const RefusedRow& row : plan.refused) {
            if (listed++ == Refusals_Listed) {
                text += QStringLiteral("\n  and %1 more.").arg(static_cast<qsizetype>(plan.refused.size()) - Refusals_Listed);
                break;
            }
            text += QStringLiteral("\n  line %1: %2").arg(row.line).arg(row.reason);
        }
    }
    text += plan.toAdd.empty() ? QStringLiteral("\n\nThere is no one to add.") : QStringLiteral("\n\nAdd them now?");
    return text;
}
