#include "shell/sub_program_window.h"
#include "shell/sub_programs.h"

#include <QCloseEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {

// A window that may refuse to close, as a window asking "discard your changes?" would.
class Window : public QWidget {
public:
    bool refuses = false;

protected:
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!refuses); }
};

using Closing = std::function<void(QWidget*)>;

}  // namespace

Q_DECLARE_METATYPE(Closing)

// One lifetime for every managed window: made when asked for, known until its close goes
// through, deleted then.
class TestSubPrograms : public QObject {
    Q_OBJECT

    QList<QPointer<Window>> made;

private slots:
    void initTestCase()
    {
        Sub_Programs::setFactory(SubWindow::Healing, [this] {
            made << new Window;
            return made.last().data();
        });
    }

    void cleanup()
    {
        for (const QPointer<Window>& window : made) {
            if (window)
                window->refuses = false;
        }
        Sub_Programs::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        made.clear();
    }

    void nothingIsMadeBeforeItIsAskedFor()
    {
        QCoreApplication::processEvents();
        QTest::qWait(100);
        QVERIFY(made.isEmpty());
        QCOMPARE(Sub_Programs::instance(SubWindow::Healing), nullptr);

        QWidget* window = Sub_Programs::obtain(SubWindow::Healing);
        QCOMPARE(made.size(), 1);
        QCOMPARE(window, made.first().data());
        QCOMPARE(Sub_Programs::obtain(SubWindow::Healing), window);
        QCOMPARE(Sub_Programs::instance(SubWindow::Healing), window);
        QCOMPARE(made.size(), 1);
    }

    void aClosedWindowIsForgottenAtOnceAndDeleted_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::addColumn<bool>("shown");

        QTest::newRow("close(), shown") << Closing([](QWidget* window) { window->close(); }) << true;
        QTest::newRow("close(), hidden") << Closing([](QWidget* window) { window->close(); }) << false;
        QTest::newRow("close box") << Closing([](QWidget* window) { window->windowHandle()->close(); }) << true;
        QTest::newRow("closeAll()") << Closing([](QWidget*) { Sub_Programs::closeAll(); }) << true;
    }

    void aClosedWindowIsForgottenAtOnceAndDeleted()
    {
        QFETCH(Closing, closing);
        QFETCH(bool, shown);
        QWidget* window = Sub_Programs::obtain(SubWindow::Healing);
        window->setVisible(shown);

        closing(window);

        QCOMPARE(Sub_Programs::instance(SubWindow::Healing), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!made.first());
        QWidget* next = Sub_Programs::obtain(SubWindow::Healing);
        QCOMPARE(made.size(), 2);
        QCOMPARE(next, made.last().data());
    }

    void aWindowThatRefusesToCloseStaysKnown_data()
    {
        aClosedWindowIsForgottenAtOnceAndDeleted_data();
    }

    void aWindowThatRefusesToCloseStaysKnown()
    {
        QFETCH(Closing, closing);
        QFETCH(bool, shown);
        QWidget* window = Sub_Programs::obtain(SubWindow::Healing);
        window->setVisible(shown);
        made.first()->refuses = true;

        closing(window);

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(made.first());
        QCOMPARE(window->isVisible(), shown);
        QCOMPARE(Sub_Programs::instance(SubWindow::Healing), window);
        QCOMPARE(Sub_Programs::obtain(SubWindow::Healing), window);
    }

    void aWindowItsOpenerMadeIsManagedTheSameWay()
    {
        QPointer<Window> report = new Window;
        Sub_Programs::manage(SubWindow::Report, report);
        QCOMPARE(Sub_Programs::instance(SubWindow::Report), report.data());
        QCOMPARE(Sub_Programs::obtain(SubWindow::Report), report.data());

        report->refuses = true;
        Sub_Programs::closeAll();
        QCOMPARE(Sub_Programs::instance(SubWindow::Report), report.data());
        report->refuses = false;
        report->close();
        QCOMPARE(Sub_Programs::instance(SubWindow::Report), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!report);
        QCOMPARE(Sub_Programs::obtain(SubWindow::Report), nullptr);  // no factory: only its opener makes one
    }

    // However a sub-program's window is closed, the launcher's welcome panel comes back.
    void closingASubProgramWindowBringsTheWelcomePanelBack_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("its own close") << Closing([](QWidget* window) { window->close(); });
        QTest::newRow("the launcher closing every sub-program") << Closing([](QWidget*) { Sub_Programs::closeAll(); });
    }

    void closingASubProgramWindowBringsTheWelcomePanelBack()
    {
        QFETCH(Closing, closing);
        QWidget panel;
        Welcome_Panel::attach(&panel);
        Sub_Programs::setFactory(SubWindow::Divination, [] { return new SubProgramWindow; });
        QWidget* window = Sub_Programs::obtain(SubWindow::Divination);
        window->show();
        Welcome_Panel::setVisible(false);
        closing(window);
        QVERIFY(!panel.isHidden());
        QCOMPARE(Sub_Programs::instance(SubWindow::Divination), nullptr);
        Welcome_Panel::attach(nullptr);
    }

    // A sub-program lies above the band the docked launcher's strips take at the bottom of the
    // screen, taking all the height left, wherever the launcher is reported to be: just after it
    // docked the window manager may still report it where it stood before.
    void aSubProgramTakesTheHeightAboveTheDockedLauncher_data()
    {
        QTest::addColumn<bool>("reportedHigh");
        QTest::newRow("the launcher docked at the bottom") << false;
        QTest::newRow("the launcher still reported high on the screen") << true;
    }

    void aSubProgramTakesTheHeightAboveTheDockedLauncher()
    {
        QFETCH(bool, reportedHigh);
        QWidget launcher;
        auto* panel = new QWidget(&launcher);
        launcher.setFixedSize(300, 100);
        launcher.show();
        panel->hide();
        Welcome_Panel::attach(panel);
        const QRect area = launcher.screen()->availableGeometry();
        launcher.move(area.left(), reportedHigh ? area.top() + 2 : area.bottom() + 1 - launcher.frameGeometry().height());
        Window window;
        window.resize(300, area.height() * 2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Sub_Programs::placeAtTopCentre(&window);
        QCOMPARE(window.frameGeometry().top(), area.top());
        QCOMPARE(window.frameGeometry().bottom(), area.bottom() - launcher.frameGeometry().height());
        Welcome_Panel::attach(nullptr);
    }

    void aWindowDeletedWithoutClosingIsForgotten()
    {
        delete Sub_Programs::obtain(SubWindow::Healing);
        QCOMPARE(Sub_Programs::instance(SubWindow::Healing), nullptr);
    }
};

QTEST_MAIN(TestSubPrograms)
#include "test_sub_programs.moc"
