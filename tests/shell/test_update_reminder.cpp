#include "shell/clock.h"
#include "shell/update_reminder.h"
#include "support/scripted_prompts.h"
#include "support/url_catcher.h"

#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

namespace {
const QDate Today(2026, 12, 7);
const QString Question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
}  // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Quillmere"));
        QCoreApplication::setApplicationName(QStringLiteral("Zev Gemmarium Test"));
        Clock::setForTesting([] { return QDateTime(Today, QTime(9, 30)); });
    }

    void init() { QSettings().clear(); }

    void cleanupTestCase()
    {
        QSettings().clear();
        Clock::setForTesting({});
    }

    void asksOnlyWhenTheLastReminderIsOverTwoWeeksAway_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<bool>("downloadOpened");

        const QString today = Today.toString(Qt::ISODate);
        QTest::newRow("first start") << QVariant() << false << false << today << false;
        QTest::newRow("today") << QVariant(today) << false << false << today << false;
        QTest::newRow("14 days ago") << QVariant(Today.addDays(-14).toString(Qt::ISODate)) << true
                                     << false << Today.addDays(-14).toString(Qt::ISODate) << false;
        QTest::newRow("14 days ahead") << QVariant(Today.addDays(14).toString(Qt::ISODate)) << true
                                       << false << Today.addDays(14).toString(Qt::ISODate) << false;
        QTest::newRow("15 days ago, Yes") << QVariant(Today.addDays(-15).toString(Qt::ISODate))
                                          << true << true << today << true;
        QTest::newRow("15 days ago, No") << QVariant(Today.addDays(-15).toString(Qt::ISODate))
                                         << false << true << today << false;
        QTest::newRow("20 days ahead") << QVariant(Today.addDays(20).toString(Qt::ISODate))
                                       << false << true << today << false;
        QTest::newRow("unreadable value") << QVariant(QStringLiteral("not a date")) << true << false
                                          << QStringLiteral("not a date") << false;
        QTest::newRow("a local date format") << QVariant(QStringLiteral("11/20/2026")) << true
                                             << false << QStringLiteral("11/20/2026") << false;
    }

    void asksOnlyWhenTheLastReminderIsOverTwoWeeksAway()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, answerYes);
        QFETCH(bool, asked);
        QFETCH(QString, storedAfter);
        QFETCH(bool, downloadOpened);

        if (stored.isValid())
            QSettings().setValue(QStringLiteral("Settings/Duration"), stored);
        ScriptedPrompts prompts;
        prompts.yesNoAnswers = {answerYes};
        UrlCatcher urls;

        Update_Reminder();

        QCOMPARE(prompts.questions, asked ? QStringList{Question} : QStringList{});
        QCOMPARE(QSettings().value(QStringLiteral("Settings/Duration")).toString(), storedAfter);
        QCOMPARE(urls.opened.size(), downloadOpened ? 1 : 0);
        if (downloadOpened)
            QVERIFY(urls.opened.constFirst().toString().endsWith(
                QStringLiteral("zev-free-gemmarium/ssd.php?page=download-web-page")));
    }

    void theDateReadsBackWhateverTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Update_Reminder();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ScriptedPrompts prompts;
        Update_Reminder();
        QVERIFY(prompts.questions.isEmpty());
        QCOMPARE(QSettings().value(QStringLiteral("Settings/Duration")).toString(),
                 QStringLiteral("2026-12-07"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestUpdateReminder)
#include "test_update_reminder.moc"
