#include "divination/divination_crystals.h"
#include "divination/frmCrystalDivinationMain.h"
#include "gemmarium.h"
#include "shell/frmMDI.h"
#include "shell/random_source.h"
#include "shell/sub_programs.h"
#include "shell/table_text.h"
#include "shell/widgets/link_label.h"
#include "shell/widgets/picture_box.h"
#include "support/url_catcher.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <cmath>

namespace {

const QString Introduction = QStringLiteral(
    "Zev Crystal Divination generates a crystal based reading for your day-to-day problems. "
    "This will guide you to find solutions for your problems and help you attain your goals.");

// What the user sees of a draw.
struct View {
    QString name;
    QString reading;
    QString drawing;
    bool pictureEnabled;
    friend bool operator==(const View&, const View&) = default;
};

char* toString(const View& view)
{
    return QTest::toString(QStringLiteral("name '%1', picture '%2' %3, reading '%4'")
                               .arg(view.name, view.drawing,
                                    view.pictureEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                                    view.reading.left(60)));
}

const View Ready_View{QString(), Introduction, QStringLiteral("divination/main"), true};

// The r that draws crystal n, in the middle of its share of [0, 1).
double drawing(int n)
{
    return (n - 0.5) / Divination_Crystals::Count;
}

// A menu's entries as "objectName text", separators as "-".
QStringList entries(const QList<QAction*>& actions)
{
    QStringList result;
    for (const QAction* action : actions)
        result << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + ' ' + action->text());
    return result;
}

}  // namespace

class TestFrmCrystalDivinationMain : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void openingView();
    void drawShowsTheDrawnCrystal_data();
    void drawShowsTheDrawnCrystal();
    void secondClickBeforeRefreshChangesNothing();
    void refreshRestoresTheOpeningView();
    void theDrawnReadingShowsItHasTheKeyboard();
    void realDrawsReachEveryCrystalEvenly();
    void longestReadingIsShownWhole();
    void menuBarMatchesTheOtherSubPrograms();
    void vendorLinksOpenTheirPages_data();
    void vendorLinksOpenTheirPages();
    void closingBringsTheWelcomePanelBack_data();
    void closingBringsTheWelcomePanelBack();

private:
    static View viewOf(const frmCrystalDivinationMain& window);
    static void clickPicture(frmCrystalDivinationMain& window);
    static void refresh(frmCrystalDivinationMain& window);
};

View TestFrmCrystalDivinationMain::viewOf(const frmCrystalDivinationMain& window)
{
    const auto* picture = window.findChild<PictureBox*>(QStringLiteral("picCrystal"));
    return {window.findChild<QLabel*>(QStringLiteral("lblCrystalName"))->text(),
            window.findChild<QLabel*>(QStringLiteral("lblCrystalDesc"))->text(), picture->drawing(),
            picture->isEnabled()};
}

void TestFrmCrystalDivinationMain::clickPicture(frmCrystalDivinationMain& window)
{
    QTest::mouseClick(window.findChild<PictureBox*>(QStringLiteral("picCrystal")), Qt::LeftButton);
}

void TestFrmCrystalDivinationMain::refresh(frmCrystalDivinationMain& window)
{
    window.findChild<QPushButton*>(QStringLiteral("cmdRefresh"))->click();
}

void TestFrmCrystalDivinationMain::cleanup()
{
    Random_Source::setForTesting({});
}

void TestFrmCrystalDivinationMain::openingView()
{
    frmCrystalDivinationMain window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Zev Crystal Divination"));
    QCOMPARE(viewOf(window), Ready_View);

    const QStringList instructions = {QStringLiteral("Take a deep Breath."),
                                      QStringLiteral("Think of the problem on hand."),
                                      QStringLiteral("Click on the image on the left hand side.")};
    for (int index = 0; index < instructions.size(); ++index)
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblLabel_%1").arg(index))->text(), instructions[index]);
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("cmdRefresh"))->text(), QStringLiteral("&Refresh"));
}

void TestFrmCrystalDivinationMain::drawShowsTheDrawnCrystal_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("drawing");

    QTest::newRow("r 0, the first") << 0.0 << "Red Jasper" << "Unlike other red crystals that evoke an outburst"
                                     << "stones/red-jasper";
    QTest::newRow("r just below 1, the last") << std::nextafter(1.0, 0.0) << "Aquamarine"
                                              << "Aquamarine has long been held in high esteem"
                                              << "stones/aquamarine";
    QTest::newRow("r 0.5, the sixteenth") << 0.5 << "Pearl" << "These lustrous white drops with a creamy sheen"
                                          << "stones/pearl";
    QTest::newRow("past the missing Jasper") << drawing(20) << "Topaz"
                                             << "Topazes are found in many different colors including"
                                             << "stones/topaz";
    QTest::newRow("past the missing Goldstone") << drawing(24) << "Malachite"
                                                << "This greenish crystal is unique in its property"
                                                << "stones/malachite";
}

void TestFrmCrystalDivinationMain::drawShowsTheDrawnCrystal()
{
    QFETCH(double, r);
    QFETCH(QString, name);
    QFETCH(QString, opening);
    QFETCH(QString, drawing);

    frmCrystalDivinationMain window;
    window.show();
    Random_Source::setForTesting([r] { return r; });
    clickPicture(window);

    const View view = viewOf(window);
    QCOMPARE(view.name, name);
    QVERIFY2(view.reading.startsWith(opening), qPrintable(view.reading.left(80)));
    QCOMPARE(view.drawing, drawing);
    QVERIFY(!view.pictureEnabled);

    // What a screen reader says at once: the reading takes the focus, named after the crystal.
    const auto* reading = window.findChild<QLabel*>(QStringLiteral("lblCrystalDesc"));
    QCOMPARE(window.focusWidget(), reading);
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(reading));
    QCOMPARE(heard->text(QAccessible::Name), name);
    QVERIFY(heard->text(QAccessible::Description).startsWith(opening));
}

void TestFrmCrystalDivinationMain::secondClickBeforeRefreshChangesNothing()
{
    frmCrystalDivinationMain window;
    window.show();
    Random_Source::setForTesting([] { return 0.0; });
    clickPicture(window);
    const View drawn = viewOf(window);

    Random_Source::setForTesting([] { return 0.5; });
    clickPicture(window);
    QCOMPARE(viewOf(window), drawn);
    QCOMPARE(viewOf(window).name, QStringLiteral("Red Jasper"));
}

void TestFrmCrystalDivinationMain::refreshRestoresTheOpeningView()
{
    frmCrystalDivinationMain window;
    window.show();
    refresh(window);
    QCOMPARE(viewOf(window), Ready_View);

    Random_Source::setForTesting([] { return drawing(17); });
    clickPicture(window);
    QCOMPARE(viewOf(window).name, QStringLiteral("Coral"));
    refresh(window);
    QCOMPARE(viewOf(window), Ready_View);
    const auto* reading = window.findChild<QLabel*>(QStringLiteral("lblCrystalDesc"));
    QCOMPARE(reading->focusPolicy(), Qt::NoFocus);  // the introduction is no result to stop at
    QVERIFY(reading->accessibleName().isEmpty());

    Random_Source::setForTesting([] { return drawing(9); });
    clickPicture(window);
    QCOMPARE(viewOf(window).name, QStringLiteral("Jade"));
}

// The reading the focus goes to after a draw shows the ring every control shows with the keyboard.
void TestFrmCrystalDivinationMain::theDrawnReadingShowsItHasTheKeyboard()
{
    frmCrystalDivinationMain window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Random_Source::setForTesting([] { return drawing(9); });
    clickPicture(window);
    auto* reading = window.findChild<QLabel*>(QStringLiteral("lblCrystalDesc"));
    QVERIFY(reading->hasFocus());
    const QImage focused = reading->grab().toImage();
    reading->clearFocus();
    QVERIFY(focused != reading->grab().toImage());
}

void TestFrmCrystalDivinationMain::realDrawsReachEveryCrystalEvenly()
{
    frmCrystalDivinationMain window;
    QMap<QString, int> count;
    for (int draw = 0; draw < 31000; ++draw) {
        clickPicture(window);
        ++count[viewOf(window).name];
        refresh(window);
    }

    QCOMPARE(count.size(), Divination_Crystals::Count);
    for (const DivinationCrystal& crystal : Divination_Crystals::Rows)
        QVERIFY2(count.contains(To_QString(crystal.name)),
                 crystal.name.data());
    QVERIFY(!count.contains(QStringLiteral("Jasper")));
    QVERIFY(!count.contains(QStringLiteral("Goldstone")));
    const auto [least, most] = std::minmax_element(count.cbegin(), count.cend());
    QVERIFY2(*most <= 2 * *least, qPrintable(QStringLiteral("%1 to %2 times").arg(*least).arg(*most)));
}

void TestFrmCrystalDivinationMain::longestReadingIsShownWhole()
{
    frmCrystalDivinationMain window;
    window.show();
    Random_Source::setForTesting([] { return drawing(17); });
    clickPicture(window);

    const auto* reading = window.findChild<QLabel*>(QStringLiteral("lblCrystalDesc"));
    QCOMPARE(reading->text().size(), 724);
    QVERIFY2(reading->heightForWidth(reading->width()) <= reading->height(),
             qPrintable(QStringLiteral("needs %1 px, has %2").arg(reading->heightForWidth(reading->width())).arg(reading->height())));
    const QRect area(reading->mapTo(&window, QPoint(0, 0)), reading->size());
    QVERIFY(window.rect().contains(area));
    QVERIFY2(window.width() <= 1280 && window.height() <= 760,
             qPrintable(QStringLiteral("%1 x %2").arg(window.width()).arg(window.height())));
}

void TestFrmCrystalDivinationMain::menuBarMatchesTheOtherSubPrograms()
{
    frmCrystalDivinationMain window;
    const QList<QAction*> bar = window.menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
    QCOMPARE(entries(bar[0]->menu()->actions()), QStringList{QStringLiteral("mnuExit E&xit")});
    QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));
    QCOMPARE(entries(bar[1]->menu()->actions()),
             (QStringList{QStringLiteral("mnuOnline &Online Help"), QStringLiteral("mnuVisit &Visit Us Online"),
                          QStringLiteral("-"), QStringLiteral("mnuUpdate Check for Software &Update"),
                          QStringLiteral("-"), QStringLiteral("mnuAbout &About Software")}));
    QCOMPARE(entries(bar.mid(2)),
             (QStringList{QStringLiteral("mnuDonate &Donate"), QStringLiteral("mkmoney Make Money &Online")}));
    QVERIFY(!bar[2]->menu() && !bar[3]->menu());
}

void TestFrmCrystalDivinationMain::vendorLinksOpenTheirPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("pageKey");

    QTest::newRow("Online Help") << "mnuOnline" << "help-web-page";
    QTest::newRow("Visit Us Online") << "mnuVisit" << "home-page";
    QTest::newRow("Check for Software Update") << "mnuUpdate" << "download-web-page";
    QTest::newRow("Donate") << "mnuDonate" << "donate";
    QTest::newRow("Make Money Online") << "mkmoney" << "fully-branded";
    QTest::newRow("forum label") << "Label14" << "home-page";
    QTest::newRow("co-brand label") << "lblCobrand" << "co-brand";
    QTest::newRow("fully branded label") << "lblFullBrand" << "fully-branded";
}

void TestFrmCrystalDivinationMain::vendorLinksOpenTheirPages()
{
    QFETCH(QString, control);
    QFETCH(QString, pageKey);

    frmCrystalDivinationMain window;
    window.show();
    UrlCatcher pages;
    if (auto* action = window.findChild<QAction*>(control)) {
        action->trigger();
    } else {
        auto* label = window.findChild<LinkLabel*>(control);
        QVERIFY(label);
        QVERIFY(!label->text().isEmpty());
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QCOMPARE(pages.opened.size(), 1);
    QCOMPARE(pages.opened.first().query(), QStringLiteral("page=") + pageKey);
}

void TestFrmCrystalDivinationMain::closingBringsTheWelcomePanelBack_data()
{
    QTest::addColumn<bool>("byExitMenu");
    QTest::newRow("window's close box") << false;
    QTest::newRow("File Exit") << true;
}

void TestFrmCrystalDivinationMain::closingBringsTheWelcomePanelBack()
{
    QFETCH(bool, byExitMenu);

    Register_Windows();
    frmMDI launcher;
    launcher.show();
    auto* welcome = launcher.findChild<QWidget*>(QStringLiteral("picMain"));
    launcher.findChild<QPushButton*>(QStringLiteral("cmdSelectOption_0"))->click();
    QPointer<QWidget> window = Sub_Programs::instance(SubWindow::Divination);
    QVERIFY(qobject_cast<frmCrystalDivinationMain*>(window));
    QVERIFY(window->isVisible());
    QVERIFY(!welcome->isVisible());

    if (byExitMenu)
        window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    else
        window->close();
    QVERIFY(welcome->isVisible());
    QVERIFY(!Sub_Programs::instance(SubWindow::Divination));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

QTEST_MAIN(TestFrmCrystalDivinationMain)
#include "test_frmCrystalDivinationMain.moc"
