#include "shell/sub_programs.h"
#include "shell/widgets/screen_fit.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <map>

// Windows made ahead: made only once the first window has painted and the program is idle, one
// at a time, handed out fresh by obtain(), and made again after one is handed out.
class TestWindowsMadeAhead : public QObject {
    Q_OBJECT

    std::map<SubWindow, QList<QPointer<QWidget>>> madeOf;
    QWidget launcher;

    int made() const { return int(madeOf.at(SubWindow::Divination).size() + madeOf.at(SubWindow::Healing).size()); }

    // A turn of an event loop that waits, as the program's own loop does when it has nothing to do.
    static void idle()
    {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }

    static void idleUntilMade()
    {
        for (int turn = 0; turn < 100 && Sub_Programs::idleWorkPending(); ++turn)
            idle();
    }

private slots:
    void initTestCase()
    {
        for (SubWindow kind : {SubWindow::Divination, SubWindow::Healing}) {
            madeOf[kind];
            Sub_Programs::setFactory(kind, [this, kind] {
                madeOf[kind] << new QWidget;
                return madeOf[kind].last().data();
            });
        }
        Sub_Programs::makeAhead({SubWindow::Divination, SubWindow::Healing}, &launcher);
    }

    void nothingIsMadeBeforeTheFirstFrame()
    {
        idle();
        QCOMPARE(made(), 0);
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        QCoreApplication::processEvents();  // the first frame, with no idle moment yet
        QCOMPARE(made(), 0);
    }

    void theWindowsAreMadeWhenTheProgramIsIdle()
    {
        idleUntilMade();
        QCOMPARE(made(), 2);
        for (const auto& [kind, windows] : madeOf)
            QVERIFY(!windows.first()->isVisible() && !windows.first()->testAttribute(Qt::WA_WState_ExplicitShowHide));
    }

    void obtainHandsOutTheWindowMadeAheadAndAnotherIsMadeAfterItsFirstFrame()
    {
        QWidget* healing = Sub_Programs::obtain(SubWindow::Healing);
        QCOMPARE(healing, madeOf[SubWindow::Healing].first().data());
        QCOMPARE(Sub_Programs::instance(SubWindow::Healing), healing);
        QVERIFY(Sub_Programs::idleWorkPending());
        // Another window painting and idle moments going by make nothing while this one has
        // not painted its first frame.
        QWidget* divination = Sub_Programs::obtain(SubWindow::Divination);
        divination->show();
        QVERIFY(QTest::qWaitForWindowExposed(divination));
        for (int moment = 0; moment < 10; ++moment)
            idle();
        QCOMPARE(made(), 2);
        divination->close();
        healing->show();
        QVERIFY(QTest::qWaitForWindowExposed(healing));
        idleUntilMade();
        QCOMPARE(made(), 4);
        QCOMPARE(Sub_Programs::obtain(SubWindow::Healing), healing);  // the open one, not the spare
        healing->close();
        QCOMPARE(Sub_Programs::instance(SubWindow::Healing), nullptr);
        QVERIFY(madeOf[SubWindow::Healing].first());  // deleted only once the program is idle
        for (int moment = 0; moment < 10 && madeOf[SubWindow::Healing].first(); ++moment)
            idle();
        QVERIFY(!madeOf[SubWindow::Healing].first());
        QCOMPARE(Sub_Programs::obtain(SubWindow::Healing), madeOf[SubWindow::Healing].last().data());
    }

    void aNewFactoryDropsTheWindowMadeWithTheOldOne()
    {
        const QPointer<QWidget> spare = madeOf[SubWindow::Divination].last();
        QVERIFY(spare);
        Sub_Programs::setFactory(SubWindow::Divination, [] { return new QWidget; });
        QVERIFY(!spare);
    }

    // Made while the docked launcher left less room, it comes out fitted to the room there is
    // now (the whole test screen).
    void aWindowMadeAheadComesOutFittedToTheRoomNow()
    {
        Sub_Programs::setFactory(SubWindow::Divination, [] {
            auto* window = new QWidget;
            window->resize(800, 600);
            Fit_Into(window, QRect(0, 0, 400, 300));
            return window;
        });
        Sub_Programs::instance(SubWindow::Healing)->show();
        idleUntilMade();
        QCOMPARE(Sub_Programs::obtain(SubWindow::Divination)->size(), QSize(800, 600));
    }

    void windowsMadeAheadAreDeletedWhenTheProgramQuits()
    {
        Sub_Programs::instance(SubWindow::Divination)->show();
        idleUntilMade();
        const QPointer<QWidget> spare = madeOf[SubWindow::Healing].last();
        QVERIFY(spare && !spare->isVisible());
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QApplication::exec();
        QVERIFY(!spare);
    }
};

QTEST_MAIN(TestWindowsMadeAhead)
#include "test_windows_made_ahead.moc"
