#include "gemmarium.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "shell/version.h"
#include "shell/widgets/link_label.h"
#include "shell/widgets/picture_box.h"
#include "shell/widgets/prerendered_pictures.h"
#include "support/scripted_prompts.h"
#include "support/url_catcher.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {
const QString Page_Prefix = QStringLiteral("zev-free-gemmarium/ssd.php?page=");

bool underlined(const frmMDI& launcher, int index)
{
    return launcher.caption(index)->font().underline();
}
}  // namespace

// The launcher: opening sub-programs one at a time, the welcome panel, its links and captions.
class TestLauncher : public QObject {
    Q_OBJECT

private:
    frmMDI* launcher = nullptr;
    QWidget* welcomePanel() const { return launcher->findChild<QWidget*>(QStringLiteral("picMain")); }
    QPushButton* button(int index) const
    {
        return launcher->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(index));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Register_Windows();
    }

    void init()
    {
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

    // The night sky is lightest above the middle of the panel and fades to near black at its
    // edges, over the whole panel, whatever its size.
    void theWelcomePanelShowsItsNightSky()
    {
        for (const QSize size : {QSize(960, 720), QSize(701, 533)}) {
            launcher->resize(size);
            QCoreApplication::processEvents();
            const QImage sky = welcomePanel()->grab().toImage();
            const QColor middle = sky.pixelColor(sky.width() / 2, sky.height() * 3 / 10);
            const QColor corner = sky.pixelColor(sky.width() - 2, sky.height() - 2);
            QVERIFY2(qAbs(middle.blue() - 0x4a) <= 4 && qAbs(middle.red() - 0x17) <= 4, qPrintable(middle.name()));
            QVERIFY2(corner.blue() < 0x20 && corner.red() < 0x0c, qPrintable(corner.name()));
        }
    }

    void theLauncherAndTheAboutBoxCarryTheBuildsVersion()
    {
        const QString title = QStringLiteral("Zev Gemmarium v") + Program_Version;
        frmAbout about;
        QCOMPARE(launcher->windowTitle(), title);
        QCOMPARE(about.windowTitle(), title);
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), title);
    }

    void theButtonsRunHealingDivinationGemologyFromLeftToRight()
    {
        QVERIFY(button(1)->mapTo(launcher, QPoint()).x() < button(0)->mapTo(launcher, QPoint()).x());
        QVERIFY(button(0)->mapTo(launcher, QPoint()).x() < button(2)->mapTo(launcher, QPoint()).x());
        QCOMPARE(button(1)->text(), QStringLiteral("Crystal Healing"));
        QCOMPARE(button(0)->text(), QStringLiteral("Crystal Divination"));
        QCOMPARE(button(2)->text(), QStringLiteral("Zev Gemology"));
    }

    void eachButtonOpensItsSubProgramAndHidesTheWelcomePanel_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("window");
        QTest::newRow("divination") << 0 << int(SubWindow::Divination);
        QTest::newRow("healing") << 1 << int(SubWindow::Healing);
        QTest::newRow("gemology") << 2 << int(SubWindow::Entry);
    }

    void eachButtonOpensItsSubProgramAndHidesTheWelcomePanel()
    {
        QFETCH(int, index);
        QFETCH(int, window);
        QTest::mouseClick(button(index), Qt::LeftButton);
        QWidget* opened = Sub_Programs::instance(SubWindow(window));
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->y(), opened->screen()->availableGeometry().y());
        QVERIFY(!welcomePanel()->isVisible());
    }

    void openingASubProgramClosesTheOpenOneFirst()
    {
        QTest::mouseClick(button(2), Qt::LeftButton);
        QPointer<QWidget> entry = Sub_Programs::instance(SubWindow::Entry);
        QPointer<QWidget> display = Sub_Programs::obtain(SubWindow::Display);
        display->show();
        QTest::mouseClick(button(1), Qt::LeftButton);

        QCOMPARE(Sub_Programs::instance(SubWindow::Entry), nullptr);
        QCOMPARE(Sub_Programs::instance(SubWindow::Display), nullptr);
        QVERIFY(Sub_Programs::instance(SubWindow::Healing)->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(entry.isNull());
        QVERIFY(display.isNull());
        QVERIFY(!welcomePanel()->isVisible());
    }

    void choosingTheSameSubProgramAgainOpensItAfresh()
    {
        QTest::mouseClick(button(0), Qt::LeftButton);
        QWidget* first = Sub_Programs::instance(SubWindow::Divination);
        QTest::mouseClick(button(0), Qt::LeftButton);
        QWidget* second = Sub_Programs::instance(SubWindow::Divination);
        QVERIFY(second);
        QVERIFY(second != first);
    }

    void theWelcomePanelComesBackWhenTheSubProgramCloses()
    {
        QTest::mouseClick(button(1), Qt::LeftButton);
        QVERIFY(!welcomePanel()->isVisible());
        Sub_Programs::instance(SubWindow::Healing)->close();
        QVERIFY(welcomePanel()->isVisible());
        QVERIFY(launcher->isVisible());
    }

    void linkCaptionsOpenTheirSubProgramsAndTheOthersNothing_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("window");  // -1: opens nothing
        QTest::newRow("welcome title") << 0 << -1;
        QTest::newRow("welcome paragraph") << 1 << -1;
        QTest::newRow("programs heading") << 2 << -1;
        QTest::newRow("Crystal Divination") << 3 << int(SubWindow::Divination);
        QTest::newRow("Crystal Healing") << 4 << int(SubWindow::Healing);
        QTest::newRow("Zev Gemology") << 5 << int(SubWindow::Entry);
    }

    void linkCaptionsOpenTheirSubProgramsAndTheOthersNothing()
    {
        QFETCH(int, index);
        QFETCH(int, window);
        QTest::mouseClick(launcher->caption(index), Qt::LeftButton);
        if (window < 0) {
            for (SubWindow kind : {SubWindow::Divination, SubWindow::Healing, SubWindow::Entry})
                QCOMPARE(Sub_Programs::instance(kind), nullptr);
            QVERIFY(welcomePanel()->isVisible());
        } else {
            QVERIFY(Sub_Programs::instance(SubWindow(window))->isVisible());
            QVERIFY(!welcomePanel()->isVisible());
        }
    }

    // Start-up copies the pictures of the first frame; none is drawn from its SVG.
    void theFirstFramesPicturesWereRenderedWhenTheProgramWasBuilt()
    {
        const QList<PictureBox*> boxes = launcher->findChildren<PictureBox*>();
        QVERIFY(!boxes.isEmpty());
        for (const PictureBox* box : boxes)
            QVERIFY2(!Prerendered_Drawing(box->drawing(), box->size(), box->devicePixelRatioF()).isNull(),
                     qPrintable(QStringLiteral("%1 at %2 x %3").arg(box->drawing()).arg(box->width()).arg(box->height())));
    }

    void storedPicturesAreTheOnesTheProgramWouldDraw()
    {
        static const QRegularExpression name(QStringLiteral("^(.+)-(\\d+)x(\\d+)@([0-9.]+)\\.argb32$"));
        int stored = 0;
        for (QDirIterator files(QStringLiteral(":/prerendered"), QDir::Files, QDirIterator::Subdirectories);
             files.hasNext(); ++stored) {
            const QString path = files.next().mid(QStringLiteral(":/prerendered/").size());
            const QRegularExpressionMatch parts = name.match(path);
            QVERIFY2(parts.hasMatch(), qPrintable(path));
            const QSize area(parts.captured(2).toInt(), parts.captured(3).toInt());
            const qreal ratio = parts.captured(4).toDouble();
            const QImage copied = Prerendered_Drawing(parts.captured(1), area, ratio);
            QVERIFY2(!copied.isNull(), qPrintable(path));
            QVERIFY2(copied == Draw_Drawing(parts.captured(1), area, ratio), qPrintable(path));
        }
        QVERIFY(stored > 0);
    }

    void onlyLinkCaptionsUnderlineUnderThePointer()
    {
        for (int index = 0; index <= 5; ++index) {
            QTest::mouseMove(launcher->caption(index));
            QCOMPARE(underlined(*launcher, index), index >= 3);
        }
        QTest::mouseMove(welcomePanel(), QPoint(2, 2));
        for (int index = 0; index <= 5; ++index)
            QVERIFY(!underlined(*launcher, index));
    }

    void everyLinkOpensItsVendorPage_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("Online Help") << "mnuOnline" << "help-web-page";
        QTest::newRow("Visit Us Online") << "mnuVisit" << "home-page";
        QTest::newRow("Check for Software Update") << "mnuUpdate" << "download-web-page";
        QTest::newRow("Donate menu") << "mnuDonate" << "donate";
        QTest::newRow("Make Money Online") << "mkmoney" << "fully-branded";
        QTest::newRow("banner label") << "lblQuillmereBanner" << "home-page";
        QTest::newRow("banner strip") << "Picture6" << "home-page";
        QTest::newRow("promotional label") << "Label7" << "fully-branded";
    }

    void everyLinkOpensItsVendorPage()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        UrlCatcher urls;
        if (auto* action = launcher->findChild<QAction*>(control))
            action->trigger();
        else
            QTest::mouseClick(launcher->findChild<QWidget*>(control), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(urls.opened.size(), 1);
        QVERIFY(urls.opened.constFirst().toString().endsWith(Page_Prefix + key));
    }

    void theMenusReadAsDesigned()
    {
        QStringList captions;
        for (QAction* action : launcher->menuBar()->actions())
            captions << action->text();
        QCOMPARE(captions, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
        QStringList help;
        for (QAction* action : launcher->findChild<QMenu*>(QStringLiteral("mnuHelp"))->actions())
            help << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                                    "-", "&About Software"}));
    }

    void theAboutBoxLinksOpenTheirPages_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("more details") << "lblCoBrand" << "fully-branded";
        QTest::newRow("home page") << "lblHomePage" << "home-page";
    }

    void theAboutBoxLinksOpenTheirPages()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        UrlCatcher urls;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), Program_Title_And_Version);
        QTest::mouseClick(about.findChild<LinkLabel*>(control), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(urls.opened.size(), 1);
        QVERIFY(urls.opened.constFirst().toString().endsWith(Page_Prefix + key));
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    void theDonationButtonOpensTheDonationWindow()
    {
        QTest::mouseClick(launcher->findChild<QPushButton*>(QStringLiteral("cmdMDIDonate")), Qt::LeftButton);
        QWidget* donate = Sub_Programs::instance(SubWindow::Donation);
        QVERIFY(donate && donate->isVisible());
        UrlCatcher urls;
        QTest::mouseClick(donate->findChild<QPushButton*>(QStringLiteral("cmdDonate")), Qt::LeftButton);
        QCOMPARE(urls.opened.size(), 1);
        QVERIFY(urls.opened.constFirst().toString().endsWith(Page_Prefix + "donate"));
        QTest::mouseClick(donate->findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
        QCOMPARE(Sub_Programs::instance(SubWindow::Donation), nullptr);
    }

    void quitClosesEveryWindow()
    {
        QTest::mouseClick(button(2), Qt::LeftButton);
        QTest::mouseClick(launcher->findChild<QPushButton*>(QStringLiteral("cmdMDIDonate")), Qt::LeftButton);
        QVERIFY(Sub_Programs::instance(SubWindow::Entry));
        Quit_Program();
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        QCOMPARE(Sub_Programs::instance(SubWindow::Entry), nullptr);
    }

    void theExitButtonClosesTheLauncherAndEverything()
    {
        QTest::mouseClick(button(1), Qt::LeftButton);
        QTest::mouseClick(launcher->findChild<QPushButton*>(QStringLiteral("cmdMdiExit")), Qt::LeftButton);
        QVERIFY(!launcher->isVisible());
        QCOMPARE(Sub_Programs::instance(SubWindow::Healing), nullptr);
    }
};

QTEST_MAIN(TestLauncher)
#include "test_frmMDI.moc"
