#include <QtTest>

#include "report/report_runs.h"

namespace {

const QString Blank = QStringLiteral("\r\n\r\n");

ReportTexts Marked_Texts()
{
    return {QStringLiteral("<birth stone>"), QStringLiteral("<birth stone text>"),
            QStringLiteral("<sun sign>"),    QStringLiteral("<sun stone>"),
            QStringLiteral("<sun text>"),    QStringLiteral("<moon sign>"),
            QStringLiteral("<moon stone>"),  QStringLiteral("<moon text>"),
            {}};
}

}  // namespace

class TestReportRuns : public QObject {
    Q_OBJECT

private slots:
    void valuesGoInAsTheyStand_data();
    void valuesGoInAsTheyStand();
    void notesCloseTheReportOnlyWhenThereAreAny();
};

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
    ReportTexts texts = Marked_Texts();
    texts.sunText = value;

    const QList<TextRun> runs = Build_Report_Runs(texts);

    QCOMPARE(runs.size(), 19);
    QCOMPARE(runs.at(11).text, value + Blank);
    QCOMPARE(runs.at(10).text, QStringLiteral("More About Your Lucky Stone : "));
}

void TestReportRuns::notesCloseTheReportOnlyWhenThereAreAny()
{
    ReportTexts texts = Marked_Texts();
    QCOMPARE(Build_Report_Runs(texts).size(), 19);

    texts.notes = QStringList{QStringLiteral("first note"), QStringLiteral("second note")};
    const QList<TextRun> runs = Build_Report_Runs(texts);

    QCOMPARE(runs.size(), 22);
    QCOMPARE(runs.mid(0, 19), Build_Report_Runs(Marked_Texts()));
    QCOMPARE(runs.at(19).colour, Report_Colours::Maroon);
    QVERIFY(runs.at(19).bold);
    QCOMPARE(runs.at(20), (TextRun{QStringLiteral("first note") + Blank, Report_Colours::Red, false}));
    QCOMPARE(runs.at(21).text, QStringLiteral("second note") + Blank);
}

QTEST_MAIN(TestReportRuns)
#include "test_report_runs.moc"
