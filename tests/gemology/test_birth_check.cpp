#include "gemology/birth_check.h"

#include <QTest>

namespace {

// A valid entry: a name, 0°00' everywhere, 1 January 1901.
BirthEntry Valid_Entry()
{
    BirthEntry entry;
    entry.birth.name = QStringLiteral("ASHA");
    entry.latitudeDegrees = entry.latitudeMinutes = QStringLiteral("0");
    entry.longitudeDegrees = entry.longitudeMinutes = QStringLiteral("0");
    return entry;
}

// The control a field stands for, as the window names it.
QString Control_Of(std::optional<EntryField> field)
{
    if (!field)
        return {};
    switch (*field) {
    case EntryField::name: return QStringLiteral("txtName");
    case EntryField::longitudeDegrees: return QStringLiteral("txtLonD");
    case EntryField::longitudeMinutes: return QStringLiteral("txtLonM");
    case EntryField::latitudeDegrees: return QStringLiteral("txtLatD");
    case EntryField::latitudeMinutes: return QStringLiteral("txtLatM");
    case EntryField::city: return QStringLiteral("txtMCity");
    case EntryField::state: return QStringLiteral("txtMState");
    case EntryField::country: return QStringLiteral("txtMCountry");
    }
    return {};
}

const QString Name_Message = QStringLiteral("Please Enter Name");
const QString Longitude_Degrees_Message =
    QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude");
const QString Longitude_Minutes_Message =
    QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Longitude");
const QString Latitude_Degrees_Message =
    QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude");
const QString Latitude_Minutes_Message =
    QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Latitude");
const QString February_Message = QStringLiteral("Please Enter Correct Date Or Month!");
const QString Thirty_Days_Message = QStringLiteral("Please Enter Correct Date Or Month !");

}  // namespace

class TestBirthCheck : public QObject {
    Q_OBJECT

private slots:
    void firstProblem_data();
    void firstProblem();
    void pastedTextIsRefusedWithItsFieldsMessage_data();
    void pastedTextIsRefusedWithItsFieldsMessage();
    void birthDataTakesTheNumbersTheTextsSpell();
};

void TestBirthCheck::firstProblem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lonD");
    QTest::addColumn<QString>("lonM");
    QTest::addColumn<QString>("latD");
    QTest::addColumn<QString>("latM");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");  // empty: the entry passes
    QTest::addColumn<bool>("errorIcon");
    QTest::addColumn<QString>("focus");

    const QString ok = QStringLiteral("0");
    auto row = [&](const char* title, const QString& name, const QString& lonD, const QString& lonM,
                   const QString& latD, const QString& latM, int day, int month, int year) -> QTestData& {
        return QTest::newRow(title) << name << lonD << lonM << latD << latM << day << month << year;
    };
    const QString n = QStringLiteral("ASHA");

    row("valid", n, ok, ok, ok, ok, 1, 1, 1901) << QString() << false << QString();
    row("name empty", "", ok, ok, ok, ok, 1, 1, 1901) << Name_Message << true << "txtName";
    row("name of spaces", "   ", ok, ok, ok, ok, 1, 1, 1901) << Name_Message << true << "txtName";
    row("everything empty: the name first", "", "", "", "", "", 31, 2, 1901) << Name_Message << true << "txtName";
    row("numbers empty: longitude before latitude", n, "", "", "", "", 1, 1, 1901)
        << Longitude_Degrees_Message << true << "txtLonD";
    row("longitude minutes before latitude", n, ok, "", "", "", 1, 1, 1901)
        << Longitude_Minutes_Message << true << "txtLonM";
    row("latitude degrees before its minutes", n, ok, ok, "", "", 1, 1, 1901)
        << Latitude_Degrees_Message << true << "txtLatD";
    row("numbers before the date", n, ok, ok, ok, "60", 31, 4, 1901)
        << Latitude_Minutes_Message << true << "txtLatM";

    row("longitude 179", n, "179", ok, ok, ok, 1, 1, 1901) << QString() << false << QString();
    row("longitude 180", n, "180", ok, ok, ok, 1, 1, 1901) << Longitude_Degrees_Message << true << "txtLonD";
    row("longitude minutes 59", n, ok, "59", ok, ok, 1, 1, 1901) << QString() << false << QString();
    row("longitude minutes 60", n, ok, "60", ok, ok, 1, 1, 1901) << Longitude_Minutes_Message << true << "txtLonM";
    row("latitude 89", n, ok, ok, "89", ok, 1, 1, 1901) << QString() << false << QString();
    row("latitude 90", n, ok, ok, "90", ok, 1, 1, 1901) << Latitude_Degrees_Message << true << "txtLatD";
    row("latitude minutes 59", n, ok, ok, ok, "59", 1, 1, 1901) << QString() << false << QString();
    row("latitude minutes 60", n, ok, ok, ok, "60", 1, 1, 1901) << Latitude_Minutes_Message << true << "txtLatM";
    row("blanks around a number", n, " 12 ", " 5", "7 ", " 0 ", 1, 1, 1901) << QString() << false << QString();
    row("leading zeros", n, "0000000000000000000000179", "059", "00", "0", 1, 1, 1901) << QString() << false << QString();

    row("29 February 1904", n, ok, ok, ok, ok, 29, 2, 1904) << QString() << false << QString();
    row("29 February 2000", n, ok, ok, ok, ok, 29, 2, 2000) << QString() << false << QString();
    row("29 February 1901", n, ok, ok, ok, ok, 29, 2, 1901) << February_Message << false << QString();
    row("28 February 1901", n, ok, ok, ok, ok, 28, 2, 1901) << QString() << false << QString();
    row("30 February 2000", n, ok, ok, ok, ok, 30, 2, 2000) << February_Message << false << QString();
    row("31 February 2000", n, ok, ok, ok, ok, 31, 2, 2000) << February_Message << false << QString();
    row("31 April", n, ok, ok, ok, ok, 31, 4, 1950) << Thirty_Days_Message << false << QString();
    row("31 June", n, ok, ok, ok, ok, 31, 6, 1950) << Thirty_Days_Message << false << QString();
    row("31 September", n, ok, ok, ok, ok, 31, 9, 1950) << Thirty_Days_Message << false << QString();
    row("31 November", n, ok, ok, ok, ok, 31, 11, 1950) << Thirty_Days_Message << false << QString();
    row("30 April", n, ok, ok, ok, ok, 30, 4, 1950) << QString() << false << QString();
    row("31 October", n, ok, ok, ok, ok, 31, 10, 1950) << QString() << false << QString();
    row("31 December", n, ok, ok, ok, ok, 31, 12, 2050) << QString() << false << QString();
}

void TestBirthCheck::firstProblem()
{
    QFETCH(QString, name);
    QFETCH(QString, lonD);
    QFETCH(QString, lonM);
    QFETCH(QString, latD);
    QFETCH(QString, latM);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(bool, errorIcon);
    QFETCH(QString, focus);

    BirthEntry entry;
    entry.birth.name = name;
    entry.birth.day = static_cast<std::int16_t>(day);
    entry.birth.month = static_cast<std::int16_t>(month);
    entry.birth.year = static_cast<std::int16_t>(year);
    entry.longitudeDegrees = lonD;
    entry.longitudeMinutes = lonM;
    entry.latitudeDegrees = latD;
    entry.latitudeMinutes = latM;

    const std::optional<EntryProblem> problem = Birth_Entry_Problem(entry);
    QCOMPARE(problem.has_value(), !message.isEmpty());
    if (!problem)
        return;
    QCOMPARE(problem->message, message);
    QCOMPARE(problem->icon == ProblemIcon::error, errorIcon);
    QCOMPARE(Control_Of(problem->focus), focus);
}

void TestBirthCheck::pastedTextIsRefusedWithItsFieldsMessage_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    struct Field {
        const char* control;
        QString message;
    };
    const Field fields[] = {
        {"txtLonD", Longitude_Degrees_Message},
        {"txtLonM", Longitude_Minutes_Message},
        {"txtLatD", Latitude_Degrees_Message},
        {"txtLatM", Latitude_Minutes_Message},
    };
    const QString texts[] = {
        QStringLiteral("12abc"), QStringLiteral("-3"),  QStringLiteral("1.5"),
        QStringLiteral("\u0663"), QStringLiteral("+5"), QStringLiteral(" 1 2"),
        QStringLiteral("1e1"),   QStringLiteral("0x1"), QStringLiteral("\uFF11"),
        QStringLiteral("99999999999999999999"),
    };
    for (const Field& field : fields) {
        for (const QString& text : texts) {
            QTest::addRow("%s \"%s\"", field.control, qPrintable(text))
                << QString::fromLatin1(field.control) << text << field.message;
        }
    }
}

void TestBirthCheck::pastedTextIsRefusedWithItsFieldsMessage()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);

    BirthEntry entry = Valid_Entry();
    QString* fields[] = {&entry.longitudeDegrees, &entry.longitudeMinutes, &entry.latitudeDegrees,
                         &entry.latitudeMinutes};
    const QStringList controls = {"txtLonD", "txtLonM", "txtLatD", "txtLatM"};
    *fields[controls.indexOf(control)] = text;

    const std::optional<EntryProblem> problem = Birth_Entry_Problem(entry);
    QVERIFY(problem.has_value());
    QCOMPARE(problem->message, message);
    QCOMPARE(problem->icon, ProblemIcon::error);
    QCOMPARE(Control_Of(problem->focus), control);
}

void TestBirthCheck::birthDataTakesTheNumbersTheTextsSpell()
{
    BirthEntry entry = Valid_Entry();
    entry.birth.month = 7;
    entry.birth.east = false;
    entry.longitudeDegrees = QStringLiteral(" 3 ");
    entry.longitudeMinutes = QStringLiteral("42");
    entry.latitudeDegrees = QStringLiteral("040");
    entry.latitudeMinutes = QStringLiteral("25");
    QVERIFY(!Birth_Entry_Problem(entry));

    const BirthData birth = Birth_Data_Of(entry);
    QCOMPARE(birth.longitudeDegrees, 3);
    QCOMPARE(birth.longitudeMinutes, 42);
    QCOMPARE(birth.latitudeDegrees, 40);
    QCOMPARE(birth.latitudeMinutes, 25);
    QCOMPARE(birth.month, 7);
    QCOMPARE(birth.east, false);
    QCOMPARE(birth.name, QStringLiteral("ASHA"));
}

QTEST_APPLESS_MAIN(TestBirthCheck)
#include "test_birth_check.moc"
