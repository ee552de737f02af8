#include <QtTest>

#include "gemology/report_runs.h"

namespace {

const QString Blank = QStringLiteral("\r\n\r\n");
constexpr RgbColour Colour_4{128, 0, 0};
constexpr RgbColour Colour_2{0, 128, 0};
constexpr RgbColour Colour_12{255, 0, 0};

ReportTexts markedTexts()
{
    return {QStringLiteral("<birth stone>"), QStringLiteral("<birth stone text>"),
            QStringLiteral("<sun sign>"),    QStringLiteral("<sun stone>"),
            QStringLiteral("<sun text>"),    QStringLiteral("<moon sign>"),
            QStringLiteral("<moon stone>"),  QStringLiteral("<moon text>")};
}

}  // namespace

class TestReportRuns : public QObject {
    Q_OBJECT

private slots:
    void followsTheReportTable();
    void valuesGoInAsTheyStand_data();
    void valuesGoInAsTheyStand();
};

void TestReportRuns::followsTheReportTable()
{
    const QList<TextRun> expected = {
        {QStringLiteral("Borth Stone") + Blank, Colour_4, true},
        {QStringLiteral("Your Lucky Stone is : "), Colour_2, false},
        {QStringLiteral("<birth stone>") + Blank, Colour_12, false},
        {QStringLiteral("More About Your Lucky Stone : "), Colour_2, false},
        {QStringLiteral("<birth stone text>") + Blank, Colour_12, false},
        {QStringLiteral("Gems and SunSign") + Blank, Colour_4, true},
        {QStringLiteral("Your Sun Sign Is : "), Colour_2, false},
        {QStringLiteral("<sun sign>") + Blank, Colour_12, false},
        {QStringLiteral("Your Lucky Stone Is : "), Colour_2, false},
        {QStringLiteral("<sun stone>") + Blank, Colour_12, false},
        {QStringLiteral("More About Your Lucky Stone : "), Colour_2, false},
        {QStringLiteral("<sun text>") + Blank, Colour_12, false},
        {QStringLiteral("Gems and MoonSign") + Blank, Colour_4, true},
        {QStringLiteral("Your Moon Sign Is : "), Colour_2, false},
        {QStringLiteral("<moon sign>") + Blank, Colour_12, false},
        {QStringLiteral("Your Lucky Stone Is : "), Colour_2, false},
        {QStringLiteral("<moon stone>") + Blank, Colour_12, false},
        {QStringLiteral("More About Your Lucky Stone : "), Colour_2, false},
        {QStringLiteral("<moon text>") + Blank, Colour_12, false},
    };

    QCOMPARE(Build_Report_Runs(markedTexts()), expected);
}

void TestReportRuns::valuesGoInAsTheyStand_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("empty") << QString();
    QTest::newRow("blanks around") << QStringLiteral("  Ruby \t");
    QTest::newRow("line breaks inside") << QStringLiteral("first\r\nsecond\nthird\r");
    QTest::newRow("rich-text characters") << QStringLiteral("{\\b} é 💎");
}

void TestReportRuns::valuesGoInAsTheyStand()
{
    QFETCH(QString, value);
    ReportTexts texts = markedTexts();
    texts.sunText = value;

    QCOMPARE(Build_Report_Runs(texts).at(11).text, value + Blank);
}

QTEST_MAIN(TestReportRuns)
#include "test_report_runs.moc"
