#include <QtTest>

#include "gemology/report_runs.h"

namespace {

const QString Blank = QStringLiteral("\r\n\r\n");

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
    void valuesGoInAsTheyStand_data();
    void valuesGoInAsTheyStand();
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
    ReportTexts texts = markedTexts();
    texts.sunText = value;

    const QList<TextRun> runs = Build_Report_Runs(texts);

    QCOMPARE(runs.size(), 19);
    QCOMPARE(runs.at(11).text, value + Blank);
    QCOMPARE(runs.at(10).text, QStringLiteral("More About Your Lucky Stone : "));
}

QTEST_MAIN(TestReportRuns)
#include "test_report_runs.moc"
