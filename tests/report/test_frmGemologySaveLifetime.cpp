#include <QtTest>

#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "saved_files.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "shell/widgets/deferred_page.h"
#include "support/find_control.h"
#include "support/scripted_prompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QWindow>

#include <functional>

namespace {

// One person as typed into the entry window.
struct Person {
    QString name;
    int month;  // from 1
    int day;
    int year;
};

const Person Ada{QStringLiteral("ADA"), 10, 15, 1980};   // Libra, Opal; October's Opal or Tourmaline
const Person Ben{QStringLiteral("BEN"), 11, 20, 1985};   // Scorpio, Cat's eye; November's Citrine or Yellow Topaz

void makeReading(QWidget* entry, const Person& person)
{
    Find_Control<QLineEdit>(entry, QStringLiteral("txtName"))->setText(person.name);
    for (const char* field : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"})
        Find_Control<QLineEdit>(entry, QString::fromLatin1(field))->setText(QStringLiteral("10"));
    Find_Control<QComboBox>(entry, QStringLiteral("cboMonth"))->setCurrentIndex(person.month - 1);
    Find_Control<QComboBox>(entry, QStringLiteral("cboDate"))->setCurrentIndex(person.day - 1);
    Find_Control<QComboBox>(entry, QStringLiteral("cboYear"))->setCurrentIndex(person.year - 1901);
    Find_Control<QAbstractButton>(entry, QStringLiteral("cmdRashi"))->click();
}

// What the display window shows of a value label, its tab made if need be.
QString shownBy(QWidget* display, const char* label)
{
    DeferredPage::buildAll(display);
    return Find_Control<QLabel>(display, QString::fromLatin1(label))->text();
}

using Closing = std::function<void(QDialog*)>;

}  // namespace

Q_DECLARE_METATYPE(Closing)

// Print for one person, close the report, Back, a reading for another, Print again: the second
// report is the second person's, however the first report was closed.
class TestFrmGemologySaveLifetime : public QObject {
    Q_OBJECT

private:
    QPointer<frmMDI> launcher;

    // Presses the display's Print; while the report is open, saves it and closes it the given
    // way. The report's text, or nothing when no report opened.
    QString printSaveAndClose(QWidget* display, const Closing& closing)
    {
        QString shown;
        QTimer::singleShot(0, this, [&] {
            QPointer<QDialog> report = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!report)
                return;
            shown = Find_Control<QTextEdit>(report, QStringLiteral("RTB"))->toPlainText();
            Find_Control<QAbstractButton>(report, QStringLiteral("cmdSave"))->click();
            closing(report);
            if (report && report->isVisible())  // a way that failed to close it: end the test's wait
                report->done(QDialog::Rejected);
        });
        Find_Control<QAbstractButton>(display, QStringLiteral("cmdPrint"))->click();
        return shown;
    }

private slots:
    void init()
    {
        Register_Windows();
        launcher = new frmMDI;
        launcher->show();
        QVERIFY(QTest::qWaitForWindowExposed(launcher));
    }

    void cleanup()
    {
        Sub_Programs::closeAll();
        delete launcher;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void secondReportIsTheSecondPersons_data()
    {
        QTest::addColumn<Closing>("closing");

        QTest::newRow("Escape key") << Closing([](QDialog* report) { QTest::keyClick(report, Qt::Key_Escape); });
        QTest::newRow("close()") << Closing([](QDialog* report) { report->close(); });
        QTest::newRow("title bar's close box") << Closing([](QDialog* report) { report->windowHandle()->close(); });
        QTest::newRow("reject()") << Closing([](QDialog* report) { report->reject(); });
    }

    void secondReportIsTheSecondPersons()
    {
        QFETCH(Closing, closing);
        ScriptedPrompts prompts;
        QTemporaryDir folder;
        const QString firstFile = folder.filePath(QStringLiteral("ada.rtf"));
        const QString secondFile = folder.filePath(QStringLiteral("ben.rtf"));
        prompts.savePaths = {firstFile, secondFile};

        Find_Control<QAbstractButton>(launcher, QStringLiteral("cmdSelectOption_2"))->click();
        makeReading(Sub_Programs::instance(SubWindow::Entry), Ada);
        QWidget* display = Sub_Programs::instance(SubWindow::Display);
        QVERIFY(display && display->isVisible());
        const QString first = printSaveAndClose(display, closing);
        QVERIFY(first.contains(QStringLiteral("Your Sun Sign Is : Libra")));

        Find_Control<QAbstractButton>(display, QStringLiteral("cmdBqck"))->click();
        makeReading(Sub_Programs::instance(SubWindow::Entry), Ben);
        QCOMPARE(Sub_Programs::instance(SubWindow::Display), display);
        const QString second = printSaveAndClose(display, closing);

        for (const QString& line : {QStringLiteral("Your Sun Sign Is : Scorpio"),
                                    QStringLiteral("Your Lucky Stone Is : Cat's eye"),
                                    QStringLiteral("Your Lucky Stone is : Citrine or Yellow Topaz"),
                                    QStringLiteral("Your Moon Sign Is : ") + shownBy(display, "lblMoonSignYourMoonSign"),
                                    QStringLiteral("Your Lucky Stone Is : ") + shownBy(display, "lblMoonSignLuckyStone")})
            QVERIFY2(second.contains(line), qPrintable(line));
        QVERIFY(!second.contains(QStringLiteral("Your Sun Sign Is : Libra")));
        QCOMPARE(prompts.saveRequests.size(), 2);
        QVERIFY(!Content_Of(secondFile).isEmpty());
        QVERIFY(Content_Of(firstFile) != Content_Of(secondFile));
        QVERIFY(!Sub_Programs::instance(SubWindow::Report));
    }

    // The display is kept between readings, but not its view: each reading starts on the first
    // tab at the top.
    void secondReadingOpensTheDisplayOnItsFirstTabAtTheTop()
    {
        Find_Control<QAbstractButton>(launcher, QStringLiteral("cmdSelectOption_2"))->click();
        makeReading(Sub_Programs::instance(SubWindow::Entry), Ada);
        QWidget* display = Sub_Programs::instance(SubWindow::Display);
        display->resize(300, 200);  // too small for its body, which scrolls
        auto* tabs = Find_Control<QTabWidget>(display, QStringLiteral("SSTab1"));
        tabs->setCurrentIndex(2);
        QScrollBar* body = display->findChild<QScrollArea*>()->verticalScrollBar();
        body->setValue(body->maximum());
        QVERIFY(body->value() > 0);

        Find_Control<QAbstractButton>(display, QStringLiteral("cmdBqck"))->click();
        makeReading(Sub_Programs::instance(SubWindow::Entry), Ben);

        QCOMPARE(Sub_Programs::instance(SubWindow::Display), display);
        QVERIFY(display->isVisible());
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(body->value(), 0);
    }
};

QTEST_MAIN(TestFrmGemologySaveLifetime)
#include "test_frmGemologySaveLifetime.moc"
