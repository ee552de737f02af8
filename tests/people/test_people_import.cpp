#include "people/people_csv.h"
#include "people/people_import.h"
#include "people_fixture.h"

#include <QtTest>

namespace {

// A file of the book's header and these records, each given as "column=value" changes of a
// plain valid person.
QByteArray File_With(const QList<QMap<QString, QString>>& changes)
{
    const QStringList header = People_Csv_Header();
    Person plain;
    plain.birth.name = QStringLiteral("ASHA");
    plain.birth.year = 1990;
    plain.birth.month = 3;
    plain.birth.day = 12;
    QByteArray file = Csv_Record(header);
    const QByteArray plainFile = People_Csv({plain});
    const QStringList plainCells = Read_Csv(plainFile, 1).table.rows.front().cells;
    for (const auto& change : changes) {
        QStringList cells = plainCells;
        for (auto field = change.cbegin(); field != change.cend(); ++field)
            cells[header.indexOf(field.key())] = field.value();
        file.append(Csv_Record(cells));
    }
    return file;
}

}  // namespace

class TestPeopleImport : public QObject {
    Q_OBJECT

private slots:
    void exportedBookImportsWhole();
    void rowsGetTheEntryChecks_data();
    void rowsGetTheEntryChecks();
    void namesOfEveryScriptPass();
    void peopleInTheBookOrTwiceInTheFileAreCounted();
    void filesThatCannotBeImported_data();
    void filesThatCannotBeImported();
    void summaryTellsCountsAndRefusedLines();
};

void TestPeopleImport::exportedBookImportsWhole()
{
    std::vector<Person> people;
    for (int number = 0; number < 40; ++number) {
        people.push_back(Fixture_Person(number));
        people.back().added = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 678), Qt::UTC).addDays(number);
        people.back().changed = people.back().added.addSecs(3600);
    }
    const QByteArray file = People_Csv(people);
    QVERIFY(file.contains("'=SUM(A1:A9)"));
    QVERIFY(file.contains("''=quoted formula"));
    const ImportPlan plan = Plan_Import(file, {});
    QVERIFY2(plan.problem.isEmpty(), qPrintable(plan.problem));
    QVERIFY2(plan.refused.empty(), plan.refused.empty() ? "" : qPrintable(plan.refused.front().reason));
    QCOMPARE(plan.toAdd.size(), people.size());
    for (std::size_t at = 0; at < people.size(); ++at) {
        QCOMPARE(Person_Fields(plan.toAdd[at]), Person_Fields(people[at]));
        QCOMPARE(plan.toAdd[at].added, people[at].added);
        QCOMPARE(plan.toAdd[at].changed, people[at].changed);
    }
}

void TestPeopleImport::rowsGetTheEntryChecks_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reason");  // empty: the row passes

    QTest::newRow("blank name") << "name" << "  " << "Please Enter Name";
    QTest::newRow("digit in the name") << "name" << "R2D2"
                                       << "the name \"R2D2\" holds characters other than letters, blanks, hyphens and apostrophes";
    QTest::newRow("longitude 180") << "longitude_degrees" << "180"
                                   << "Please Enter Value Between 0 And 179 in the Degree of Longitude";
    QTest::newRow("longitude 179") << "longitude_degrees" << "179" << "";
    QTest::newRow("latitude minutes 60") << "latitude_minutes" << "60"
                                         << "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
    QTest::newRow("latitude degrees not a number") << "latitude_degrees" << "4x"
                                                   << "Please Enter Value Between 0 And 89 in the Degree of Latitude";
    QTest::newRow("31 April") << "month" << "4" << "Please Enter Correct Date Or Month !";
    QTest::newRow("year before the lists") << "year" << "1900" << "year \"1900\" is not a whole number from 1901 to 2050";
    QTest::newRow("hour 24") << "hour" << "24" << "hour \"24\" is not a whole number from 0 to 23";
    QTest::newRow("zone row past the list") << "zone_row" << "71" << "zone_row \"71\" is not a whole number from 0 to 70";
    QTest::newRow("hemisphere") << "latitude_hemisphere" << "X" << "latitude_hemisphere \"X\" is neither S nor N";
    QTest::newRow("unknown time accuracy") << "time_accuracy" << "Roughly"
                                           << "time_accuracy \"Roughly\" is none of the entry window's choices";
    QTest::newRow("unknown zone") << "place_zone" << "Mars/Olympus" << "place_zone \"Mars/Olympus\" is no time zone this system knows";
    QTest::newRow("date of adding") << "added" << "yesterday" << "added \"yesterday\" is not a date and time";
}

void TestPeopleImport::rowsGetTheEntryChecks()
{
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(QString, reason);
    QMap<QString, QString> change{{QStringLiteral("name"), QStringLiteral("BEA")}, {column, value}};
    if (column == QLatin1String("month"))
        change.insert(QStringLiteral("day"), QStringLiteral("31"));
    if (column == QLatin1String("place_zone")) {
        change.insert(QStringLiteral("place_latitude"), QStringLiteral("1"));
        change.insert(QStringLiteral("place_longitude"), QStringLiteral("1"));
    }
    const ImportPlan plan = Plan_Import(File_With({{}, change}), {});
    QVERIFY(plan.problem.isEmpty());
    if (reason.isEmpty()) {
        QCOMPARE(plan.toAdd.size(), std::size_t(2));
        return;
    }
    QCOMPARE(plan.toAdd.size(), std::size_t(1));
    QCOMPARE(plan.refused.size(), std::size_t(1));
    QCOMPARE(plan.refused.front().line, 3);
    QCOMPARE(plan.refused.front().reason, reason);
}

void TestPeopleImport::namesOfEveryScriptPass()
{
    QList<QMap<QString, QString>> rows;
    const QStringList names{QStringLiteral("Zoë"), QStringLiteral("José"), QStringLiteral("Ørsted"),
                            QStringLiteral("Anne-Marie"), QStringLiteral("O'Brien"), QStringLiteral("Ngũgĩ"),
                            QStringLiteral("अनुष्का"), QStringLiteral("李小龍"), QStringLiteral("Ольга")};
    for (const QString& name : names)
        rows.append({{QStringLiteral("name"), name}});
    const ImportPlan plan = Plan_Import(File_With(rows), {});
    QVERIFY(plan.refused.empty());
    QStringList imported;
    for (const Person& person : plan.toAdd)
        imported.append(person.birth.name);
    QStringList upper;
    for (const QString& name : names)
        upper.append(name.toUpper());
    QCOMPARE(imported, upper);
}

void TestPeopleImport::peopleInTheBookOrTwiceInTheFileAreCounted()
{
    const QByteArray file = File_With({{},
                                       {{"name", "Bea"}},
                                       {{"name", "asha"}},  // line 2's person, named in lower case
                                       {{"name", "Cy"}}});
    const ImportPlan plan = Plan_Import(file, [](const BirthData& birth) { return birth.name == QLatin1String("BEA"); });
    QCOMPARE(plan.alreadyInBook, 1);
    QCOMPARE(plan.toAdd.size(), std::size_t(2));
    QCOMPARE(plan.refused.size(), std::size_t(1));
    QCOMPARE(plan.refused.front().line, 4);
    QCOMPARE(plan.refused.front().reason, QStringLiteral("the same person as line 2"));
}

void TestPeopleImport::filesThatCannotBeImported_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("problem");

    QTest::newRow("not UTF-8") << QByteArray("name\r\nZo\xEB\r\n") << "The file is not UTF-8 text";
    QTest::newRow("not CSV") << QByteArray("name,year\r\n\"ASHA,1990\r\n") << "The file is not CSV";
    QTest::newRow("empty") << QByteArray() << "The file holds no people";
    QTest::newRow("another list") << QByteArray("title,author\r\nEmma,Austen\r\n")
                                  << "The file is no list of people: its header row lacks the columns name, year";
    QByteArray many("name\r\n");
    for (qsizetype row = 0; row <= Import_Max_Rows; ++row)
        many.append("A\r\n");
    QTest::newRow("too many rows") << many << "The file has more than 100,000 rows";
    QTest::newRow("too large") << QByteArray(Import_Max_Bytes + 1, 'a') << "The file is larger than 64 MiB";
}

void TestPeopleImport::filesThatCannotBeImported()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, problem);
    const ImportPlan plan = Plan_Import(file, {});
    QVERIFY2(plan.problem.startsWith(problem), qPrintable(plan.problem));
    QVERIFY(plan.problem.endsWith(QStringLiteral("No one was imported.")));
    QVERIFY(plan.toAdd.empty());
}

void TestPeopleImport::summaryTellsCountsAndRefusedLines()
{
    ImportPlan plan;
    plan.toAdd.resize(3);
    plan.alreadyInBook = 1;
    for (int line = 2; line < 25; ++line)
        plan.refused.push_back({line, QStringLiteral("reason %1").arg(line)});
    const QString summary = Import_Summary(plan);
    QVERIFY(summary.startsWith(QStringLiteral("Importing this file would add 3 people to the book.\n"
                                              "1 person is in the book already and left as they are.\n"
                                              "23 rows are refused:\n  line 2: reason 2\n")));
    QVERIFY(summary.contains(QStringLiteral("  line 21: reason 21\n  and 3 more.")));
    QVERIFY(!summary.contains(QStringLiteral("line 22")));
    QVERIFY(summary.endsWith(QStringLiteral("Add them now?")));
}

QTEST_GUILESS_MAIN(TestPeopleImport)
#include "test_people_import.moc"
