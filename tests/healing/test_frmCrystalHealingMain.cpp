#include "gemmarium.h"
#include "healing/frmCrystalHealingMain.h"
#include "healing/stone_descriptions.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "shell/table_text.h"
#include "shell/widgets/clipboard_guard.h"
#include "shell/widgets/picture_box.h"
#include "support/find_control.h"
#include "support/menu_texts.h"
#include "support/scripted_prompts.h"

#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

QString description(int stone)
{
    return To_QString(Stone_Description(stone));
}

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

const QStringList Selectors{"cboStone", "cboDiseases", "cboIllness", "cboOrgans"};
const QStringList Description_Labels{"lblDisease", "lblIllness", "lblOrgans"};
const QStringList Shown_Lists{"lstDiseases", "lstIllness", "lstOrgans", "lstStone_Disease", "lstStone_Illness",
                              "lstStone_Organ"};
const QStringList Pictures{"imgStone", "imgStone_Disease", "imgStone_Illness", "imgStone_Organ"};
const QStringList Reading_Lines{"lblStoneInReadings_0", "lblStoneInReadings_1", "lblStoneInReadings_2",
                                "lblStoneInReadings_3"};
const QStringList Panels{"picSearchByStone", "picSearchByDisease", "picSearchByIllness", "picSearchByOrgan"};

}  // namespace

class TestFrmCrystalHealingMain : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnTheStartPanelWithNothingChosen();
    void menusCarryTheirCaptions();
    void nextWithoutAnOptionComplainsAndStays();
    void searchPanelsAreMadeWhenFirstNeeded();
    void nextOpensTheChosenSearchComplete_data();
    void nextOpensTheChosenSearchComplete();
    void backKeepsTheOptionAndNextRefillsOnce_data();
    void backKeepsTheOptionAndNextRefillsOnce();
    void heartListsNineStonesAndTheCrystalPanelSaysHearts();
    void pickingAStoneUpdatesEveryPanel_data();
    void pickingAStoneUpdatesEveryPanel();
    void jasperShowsItsOwnTextAndPicture();
    void longestDescriptionShowsWhole_data();
    void longestDescriptionShowsWhole();
    void crystalPanelShowsEveryStoneWithoutScrolling();
    void descriptionBoxClearsOnlyOurClipboard_data();
    void descriptionBoxClearsOnlyOurClipboard();
    void closingBringsTheWelcomePanelBack_data();
    void closingBringsTheWelcomePanelBack();
    void findListClosesAndFindsNothingQuietly();
    void choosingAResultIsPickingByHand_data();
    void choosingAResultIsPickingByHand();
    void selectorsNeverDouble_data();
    void selectorsNeverDouble();
    void everyLabelLeadsToItsEntry();
    void pickingAnItemAgainLooksItUpOnce_data();
    void pickingAnItemAgainLooksItUpOnce();

private:
    template <typename Control>
    Control* control(const QString& name) const { return Find_Control<Control>(window, name); }
    QComboBox* selector(const QString& name) const { return control<QComboBox>(name); }
    QListWidget* list(const QString& name) const { return control<QListWidget>(name); }
    QWidget* currentPanel() const { return control<QStackedWidget>("stkPanels")->currentWidget(); }

    void search(int option);
    void pick(const QString& selectorName, const QString& item);
    void find(const QString& typed, const QString& result);
    void back();
    QStringList shownState() const;

    ScriptedPrompts prompts;
    QPointer<frmCrystalHealingMain> window;
};

void TestFrmCrystalHealingMain::initTestCase()
{
    Register_Windows();
}

void TestFrmCrystalHealingMain::init()
{
    prompts.messages.clear();
    window = new frmCrystalHealingMain;
    window->show();
}

void TestFrmCrystalHealingMain::cleanup()
{
    delete window;
}

void TestFrmCrystalHealingMain::searchPanelsAreMadeWhenFirstNeeded()
{
    for (const QString& name : Selectors)
        QVERIFY2(!window->findChild<QComboBox*>(name), qPrintable(name));
    search(3);
    QCOMPARE(currentPanel()->objectName(), QStringLiteral("picSearchByOrgan"));
    QVERIFY(window->findChild<QComboBox*>(QStringLiteral("cboOrgans"))->isVisible());
    QVERIFY(!window->findChild<QComboBox*>(QStringLiteral("cboDiseases")));
    pick("cboOrgans", "Heart");
    // The panels made later show the stone the organ panel shows.
    QCOMPARE(control<QLabel>("lblDisease")->text(), control<QLabel>("lblOrgans")->text());
    QCOMPARE(control<PictureBox>("imgStone_Disease")->drawing(), control<PictureBox>("imgStone_Organ")->drawing());
    QVERIFY(list("lstOrgans")->count() > 0);
}

// Chooses a search option and presses Next.
void TestFrmCrystalHealingMain::search(int option)
{
    control<QRadioButton>(QStringLiteral("optSearch_%1").arg(option))->click();
    QTest::mouseClick(control<QPushButton>("cmdNext"), Qt::LeftButton);
}

void TestFrmCrystalHealingMain::pick(const QString& selectorName, const QString& item)
{
    QComboBox* box = selector(selectorName);
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
}

void TestFrmCrystalHealingMain::opensOnTheStartPanelWithNothingChosen()
{
    QCOMPARE(window->windowTitle(), "Zev Crystal Healing");
    QCOMPARE(currentPanel()->objectName(), "picMain");
    for (int option = 0; option <= 3; ++option)
        QVERIFY(!control<QRadioButton>(QStringLiteral("optSearch_%1").arg(option))->isChecked());
    for (const QString& name : Selectors)
        QCOMPARE(selector(name)->count(), 0);

    QCOMPARE(control<QLabel>("lblTitle")->text(), "Zev Free Crystal Healing");
    QVERIFY(control<QLabel>("lblWelcome")->text().startsWith(
        "Quillmere welcomes you all to take a journey into the wonderland of the crystals and gemstones."));
    const QString notice = control<QLabel>("lblNotice")->text();
    QVERIFY(notice.startsWith("Crystal healing is all about the use of crystals"));
    QVERIFY(notice.endsWith("The information provided by Zev Free Crystal Healing can be used as a guideline; "
                            "it is not meant to replace any conventional medical treatment."));
    const QString howTo = control<QLabel>("lblHowToUseText")->text();
    QVERIFY(howTo.startsWith("Crystals are a unique part of human life."));
    QCOMPARE(howTo.size(), 841);
}

void TestFrmCrystalHealingMain::menusCarryTheirCaptions()
{
    QMenuBar* bar = window->menuBar();
    QCOMPARE(Action_Texts(bar->actions()), (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
    QVERIFY(!control<QAction>("mnuDonate")->menu());
    QVERIFY(!control<QAction>("mkmoney")->menu());
    QCOMPARE(Action_Texts(bar->actions().at(0)->menu()->actions()), QStringList{"E&xit"});
    QCOMPARE(Action_Texts(bar->actions().at(1)->menu()->actions()),
             (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                          "&About Software"}));
}

void TestFrmCrystalHealingMain::nextWithoutAnOptionComplainsAndStays()
{
    QTest::mouseClick(control<QPushButton>("cmdNext"), Qt::LeftButton);

    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.lastMessage(), "Please Select A Search Option");
    QCOMPARE(prompts.messages.constLast().icon, Prompts::Icon::Error);
    QCOMPARE(currentPanel()->objectName(), "picMain");
    for (const QString& name : Selectors)
        QCOMPARE(selector(name)->count(), 0);
}

void TestFrmCrystalHealingMain::nextOpensTheChosenSearchComplete_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("selectorName");
    QTest::addColumn<int>("itemCount");
    QTest::addColumn<QString>("firstItem");
    QTest::addColumn<QString>("stoneList");
    QTest::addColumn<QStringList>("stones");

    QTest::newRow("crystal") << 0 << "picSearchByStone" << "cboStone" << 33 << "Red Jasper"
                             << "" << QStringList{};
    QTest::newRow("disease") << 1 << "picSearchByDisease" << "cboDiseases" << 91 << "Bronchitis"
                             << "lstStone_Disease" << QStringList{"Red Jasper"};
    QTest::newRow("illness") << 2 << "picSearchByIllness" << "cboIllness" << 66 << "Increases Compassion"
                             << "lstStone_Illness" << QStringList{"Red Jasper"};
    QTest::newRow("organ") << 3 << "picSearchByOrgan" << "cboOrgans" << 49 << "Ovaries"
                           << "lstStone_Organ" << QStringList{"Red Jasper", "Jasper"};
}

void TestFrmCrystalHealingMain::nextOpensTheChosenSearchComplete()
{
    QFETCH(int, option);
    QFETCH(QString, panel);
    QFETCH(QString, selectorName);
    QFETCH(int, itemCount);
    QFETCH(QString, firstItem);
    QFETCH(QString, stoneList);
    QFETCH(QStringList, stones);

    search(option);

    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(currentPanel()->objectName(), panel);
    QVERIFY(currentPanel()->isVisible());
    QVERIFY(!control<QWidget>("picMain")->isVisible());
    QCOMPARE(selector(selectorName)->count(), itemCount);
    QCOMPARE(selector(selectorName)->currentText(), firstItem);
    if (!stoneList.isEmpty()) {
        QCOMPARE(items(list(stoneList)), stones);
        QCOMPARE(list(stoneList)->currentRow(), 0);
    }

    // Red Jasper is shown everywhere, its labels on the crystal panel with none selected.
    QCOMPARE(items(list("lstDiseases")), (QStringList{"Bronchitis", "Diabetes", "Cancer"}));
    QCOMPARE(items(list("lstIllness")), (QStringList{"Increases Compassion", "Emotional Balance"}));
    QCOMPARE(items(list("lstOrgans")), (QStringList{"Ovaries", "Prostrate Glands", "Kidneys", "Bladder"}));
    for (const char* name : {"lstDiseases", "lstIllness", "lstOrgans"})
        QVERIFY(list(name)->selectedItems().isEmpty());
    QCOMPARE(control<QPlainTextEdit>("txtStoneDesc")->toPlainText(), description(1));
    for (const QString& name : Description_Labels)
        QCOMPARE(control<QLabel>(name)->text(), description(1));
    for (const QString& name : Pictures)
        QCOMPARE(control<PictureBox>(name)->drawing(), "stones/red-jasper");
}

void TestFrmCrystalHealingMain::backKeepsTheOptionAndNextRefillsOnce_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("selectorName");
    QTest::addColumn<int>("itemCount");
    QTest::newRow("crystal") << 0 << "cboStone" << 33;
    QTest::newRow("disease") << 1 << "cboDiseases" << 91;
    QTest::newRow("illness") << 2 << "cboIllness" << 66;
    QTest::newRow("organ") << 3 << "cboOrgans" << 49;
}

void TestFrmCrystalHealingMain::backKeepsTheOptionAndNextRefillsOnce()
{
    QFETCH(int, option);
    QFETCH(QString, selectorName);
    QFETCH(int, itemCount);

    search(option);
    QList<QStringList> listsShown;
    for (const QString& name : Shown_Lists)
        listsShown.append(items(list(name)));

    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdBack_%1").arg(option)), Qt::LeftButton);

    QCOMPARE(currentPanel()->objectName(), "picMain");
    QVERIFY(control<QRadioButton>(QStringLiteral("optSearch_%1").arg(option))->isChecked());
    for (const QString& name : Selectors)
        QCOMPARE(selector(name)->count(), 0);
    // Emptying the selectors looks nothing up: what was shown stays until the next search.
    for (int shown = 0; shown < Shown_Lists.size(); ++shown)
        QCOMPARE(items(list(Shown_Lists[shown])), listsShown[shown]);
    QCOMPARE(control<QPlainTextEdit>("txtStoneDesc")->toPlainText(), description(1));

    QTest::mouseClick(control<QPushButton>("cmdNext"), Qt::LeftButton);

    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(selector(selectorName)->count(), itemCount);
    QCOMPARE(selector(selectorName)->currentIndex(), 0);
    QCOMPARE(control<QLabel>("lblDisease")->text(), description(1));
}

void TestFrmCrystalHealingMain::heartListsNineStonesAndTheCrystalPanelSaysHearts()
{
    search(3);
    pick("cboOrgans", "Heart");

    QListWidget* stones = list("lstStone_Organ");
    QCOMPARE(items(stones), (QStringList{"Rose Quartz", "Jade", "Emerald", "Ruby", "Sapphire", "Pearl",
                                         "Coral", "Malachite", "Aquamarine"}));
    QCOMPARE(stones->currentRow(), 0);
    QCOMPARE(control<QLabel>("lblOrgans")->text(), description(7));
    QCOMPARE(items(list("lstOrgans")).value(0), "Hearts");
}

void TestFrmCrystalHealingMain::pickingAStoneUpdatesEveryPanel_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("selectorName");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stoneList");

    QTest::newRow("crystal selector") << 0 << "cboStone" << "Aquamarine" << "";
    QTest::newRow("disease results") << 1 << "cboDiseases" << "Immune System" << "lstStone_Disease";
    QTest::newRow("illness results") << 2 << "cboIllness" << "Brings Joy" << "lstStone_Illness";
    QTest::newRow("organ results") << 3 << "cboOrgans" << "Heart" << "lstStone_Organ";
}

void TestFrmCrystalHealingMain::pickingAStoneUpdatesEveryPanel()
{
    QFETCH(int, option);
    QFETCH(QString, selectorName);
    QFETCH(QString, entry);
    QFETCH(QString, stoneList);

    search(option);
    pick(selectorName, entry);
    if (!stoneList.isEmpty()) {
        const QList<QListWidgetItem*> found = list(stoneList)->findItems("Aquamarine", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list(stoneList)->setCurrentItem(found.first());
    }

    QCOMPARE(control<QPlainTextEdit>("txtStoneDesc")->toPlainText(), description(33));
    for (const QString& name : Description_Labels)
        QCOMPARE(control<QLabel>(name)->text(), description(33));
    for (const QString& name : Pictures)
        QCOMPARE(control<PictureBox>(name)->drawing(), "stones/aquamarine");
    QCOMPARE(items(list("lstDiseases")), QStringList{"Immune System"});
    QCOMPARE(items(list("lstIllness")),
             (QStringList{"Brings Joy", "Improves Creativity", "Increases Self Confidence"}));
    QCOMPARE(items(list("lstOrgans")), (QStringList{"Lymph Nodes", "Heart", "Thymus"}));
}

void TestFrmCrystalHealingMain::jasperShowsItsOwnTextAndPicture()
{
    search(3);
    QCOMPARE(control<QLabel>("lblOrgans")->text(), description(1));

    list("lstStone_Organ")->setCurrentRow(1);

    QVERIFY(control<QLabel>("lblOrgans")->text().startsWith("Jasper is a red colored stone"));
    QCOMPARE(control<PictureBox>("imgStone_Organ")->drawing(), "stones/jasper");
    QCOMPARE(items(list("lstDiseases")), (QStringList{"Epilepsy", "Digestive problems", "Bleeding"}));
}

void TestFrmCrystalHealingMain::longestDescriptionShowsWhole_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("selectorName");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stoneList");
    QTest::addColumn<QString>("label");

    QTest::newRow("disease") << 1 << "cboDiseases" << "Child Birth" << "lstStone_Disease" << "lblDisease";
    QTest::newRow("illness") << 2 << "cboIllness" << "Lifts Depression" << "lstStone_Illness" << "lblIllness";
    QTest::newRow("organ") << 3 << "cboOrgans" << "Lymph Nodes" << "lstStone_Organ" << "lblOrgans";
}

void TestFrmCrystalHealingMain::longestDescriptionShowsWhole()
{
    QFETCH(int, option);
    QFETCH(QString, selectorName);
    QFETCH(QString, entry);
    QFETCH(QString, stoneList);
    QFETCH(QString, label);

    const QSize opening = window->size();
    QVERIFY(opening.width() <= 1000 && opening.height() <= 760);
    window->resize(window->minimumSize());
    search(option);
    pick(selectorName, entry);
    QCOMPARE(list(stoneList)->currentItem()->text(), "Emerald");
    QCoreApplication::sendPostedEvents();

    const QLabel* shown = control<QLabel>(label);
    QCOMPARE(shown->text().size(), 565);
    QVERIFY2(shown->heightForWidth(shown->width()) <= shown->height(),
             qPrintable(QStringLiteral("needs %1, has %2").arg(shown->heightForWidth(shown->width())).arg(shown->height())));
}

void TestFrmCrystalHealingMain::crystalPanelShowsEveryStoneWithoutScrolling()
{
    window->resize(window->minimumSize());
    search(0);
    const QList<QAbstractScrollArea*> boxes{list("lstDiseases"), list("lstIllness"), list("lstOrgans"),
                                            control<QPlainTextEdit>("txtStoneDesc")};
    for (int stone = 0; stone < selector("cboStone")->count(); ++stone) {
        selector("cboStone")->setCurrentIndex(stone);
        QCoreApplication::processEvents();
        for (const QAbstractScrollArea* box : boxes) {
            const QString where = selector("cboStone")->currentText() + " / " + box->objectName();
            QVERIFY2(box->verticalScrollBar()->maximum() == 0, qPrintable(where));
            QVERIFY2(box->horizontalScrollBar()->maximum() == 0, qPrintable(where));
        }
    }
}

void TestFrmCrystalHealingMain::descriptionBoxClearsOnlyOurClipboard_data()
{
    QTest::addColumn<bool>("ours");
    QTest::addColumn<QString>("what");

    for (const char* what : {"press", "move", "release", "text change"}) {
        QTest::addRow("our text, %s", what) << true << QString(what);
        QTest::addRow("foreign text, %s", what) << false << QString(what);
    }
}

void TestFrmCrystalHealingMain::descriptionBoxClearsOnlyOurClipboard()
{
    QFETCH(bool, ours);
    QFETCH(QString, what);

    search(0);
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString placed = QStringLiteral("Copied earlier");
    if (ours)
        ClipboardGuard::putOwnText(placed);
    else
        clipboard->setText(placed);

    auto* box = control<QPlainTextEdit>("txtStoneDesc");
    const QPoint inside = box->viewport()->rect().center();
    if (what == "press")
        QTest::mousePress(box->viewport(), Qt::LeftButton, {}, inside);
    else if (what == "move")
        QTest::mouseMove(box->viewport(), inside);
    else if (what == "release")
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, inside);
    else
        pick("cboStone", "Ruby");

    QCOMPARE(clipboard->text(), ours ? QString() : placed);
}

void TestFrmCrystalHealingMain::closingBringsTheWelcomePanelBack_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("File, Exit") << true;
    QTest::newRow("close box") << false;
}

void TestFrmCrystalHealingMain::closingBringsTheWelcomePanelBack()
{
    QFETCH(bool, byMenu);

    frmMDI launcher;
    launcher.show();
    QWidget* welcome = launcher.findChild<QWidget*>("picMain");
    QTest::mouseClick(launcher.findChild<QPushButton*>("cmdSelectOption_1"), Qt::LeftButton);
    QPointer<QWidget> healing = Sub_Programs::instance(SubWindow::Healing);
    QVERIFY(healing);
    QVERIFY(!welcome->isVisible());

    if (byMenu)
        healing->findChild<QAction*>("mnuExit")->trigger();
    else
        healing->close();

    QVERIFY(welcome->isVisible());
    QVERIFY(launcher.isVisible());
    QVERIFY(!Sub_Programs::instance(SubWindow::Healing));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!healing);
}

// Types into the find field and clicks a result of its list (with no result named, the first).
void TestFrmCrystalHealingMain::find(const QString& typed, const QString& result)
{
    control<QLineEdit>("txtFind")->clear();
    QTest::keyClicks(control<QLineEdit>("txtFind"), typed);
    QListWidget* found = list("lstFound");
    QListWidgetItem* item = result.isEmpty() ? found->item(1) : found->findItems(result, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(typed + " / " + result));
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, found->visualItemRect(item).center());
}

// Back from the result panel in front.
void TestFrmCrystalHealingMain::back()
{
    const int front = Panels.indexOf(currentPanel()->objectName());
    if (front >= 0)
        QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdBack_%1").arg(front)), Qt::LeftButton);
}

// Everything the panels show, one line per control.
QStringList TestFrmCrystalHealingMain::shownState() const
{
    QStringList state{currentPanel()->objectName()};
    for (const QString& name : Selectors)
        state << QStringLiteral("%1 %2 %3").arg(name).arg(selector(name)->count()).arg(selector(name)->currentText());
    for (const QString& name : Shown_Lists) {
        const QListWidgetItem* chosen = list(name)->selectedItems().value(0);
        state << name + " [" + (chosen ? chosen->text() : "") + "] " + items(list(name)).join('|');
    }
    state << control<QPlainTextEdit>("txtStoneDesc")->toPlainText();
    for (const QString& name : Description_Labels + Reading_Lines)
        state << control<QLabel>(name)->text();
    for (const QString& name : Pictures)
        state << control<PictureBox>(name)->drawing();
    return state;
}

void TestFrmCrystalHealingMain::findListClosesAndFindsNothingQuietly()
{
    auto* field = control<QLineEdit>("txtFind");
    QTest::keyClicks(field, "zzz");
    QCOMPARE(items(list("lstFound")), QStringList{"Nothing found"});
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!list("lstFound")->isVisible());
    QCOMPARE(currentPanel()->objectName(), "picMain");
    QVERIFY(prompts.messages.isEmpty());
}

void TestFrmCrystalHealingMain::choosingAResultIsPickingByHand_data()
{
    QTest::addColumn<int>("startOption");  // -1: from the start panel
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");   // empty: the one reached by Down and Enter
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("item");

    QTest::newRow("crystal") << -1 << "jasper" << "Jasper" << 0 << "Jasper";
    QTest::newRow("crystal on its own panel") << 0 << "aqua" << "Aquamarine" << 0 << "Aquamarine";
    QTest::newRow("physical, from the crystal panel") << 0 << "depress" << "Depression (1 stone)" << 1 << "Depression";
    QTest::newRow("organ, the item already picked") << 3 << "ovar" << "Ovaries (2 stones)" << 3 << "Ovaries";
    QTest::newRow("mental by the keys, over a heading") << 3 << "depress" << "" << 2 << "Depression";
    QTest::newRow("organ on its own panel") << 3 << "heart" << "Heart (9 stones)" << 3 << "Heart";
}

void TestFrmCrystalHealingMain::choosingAResultIsPickingByHand()
{
    QFETCH(int, startOption);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(int, option);
    QFETCH(QString, item);

    // Both ways start alike: on the start panel, or on a panel showing its first entry's last stone.
    const auto begin = [&] {
        if (startOption >= 0)
            search(startOption);
        if (startOption > 0)
            list(Shown_Lists[startOption + 2])->setCurrentRow(list(Shown_Lists[startOption + 2])->count() - 1);
    };
    begin();
    back();
    search(option);
    pick(Selectors[option], item);
    const QStringList byHand = shownState();
    delete window;
    window = new frmCrystalHealingMain;
    window->show();

    begin();
    if (result.isEmpty()) {
        QTest::keyClicks(control<QLineEdit>("txtFind"), typed);
        QTest::keyClick(control<QLineEdit>("txtFind"), Qt::Key_Down);
        QTest::keyClick(control<QLineEdit>("txtFind"), Qt::Key_Return);
    } else {
        find(typed, result);
    }

    QVERIFY(!list("lstFound")->isVisible());
    QCOMPARE(shownState(), byHand);
    QVERIFY(!control<QLabel>(Reading_Lines[option])->text().isEmpty());
}

void TestFrmCrystalHealingMain::selectorsNeverDouble_data()
{
    // Steps: "n<option>" Next with that option, "b" Back, "f<word>" the first result found.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("find on every panel") << QStringList{"fheart", "fjasper", "finsomnia", "fdepress", "fheart"};
    QTest::newRow("find, Back, Next") << QStringList{"fjasper", "b", "n0", "fruby", "b", "n2"};
    QTest::newRow("Back, find, Next") << QStringList{"n3", "b", "fcalm", "b", "n2", "fcalm", "fasthma"};
}

void TestFrmCrystalHealingMain::selectorsNeverDouble()
{
    QFETCH(QStringList, steps);
    const int full[] = {33, 91, 66, 49};

    for (const QString& step : steps) {
        if (step == "b")
            back();
        else if (step.startsWith('n'))
            search(step.mid(1).toInt());
        else
            find(step.mid(1), {});
        // Only the panel in front has its selector filled, and filled once.
        for (int option = 0; option < 4; ++option)
            QCOMPARE(selector(Selectors[option])->count(),
                     currentPanel()->objectName() == Panels[option] ? full[option] : 0);
    }
}

void TestFrmCrystalHealingMain::everyLabelLeadsToItsEntry()
{
    // Labels worded unlike their entries; every other label differs from its entry in case at most.
    const QHash<QString, QString> reworded{
        {"Hearts", "Heart"}, {"Depressions", "Depression"}, {"Muscular Sprains & pains", "Muscular Sprains"}};
    const QStringList nowhere{"Lapis Lazuli / Wisdom", "Lapis Lazuli / Inflammations"};
    int followed = 0;
    for (int stone = 0; stone < 33; ++stone) {
        for (int kind = 0; kind < 3; ++kind) {
            for (int row = 0;; ++row) {
                back();
                search(0);
                selector("cboStone")->setCurrentIndex(stone);
                QListWidget* labels = list(Shown_Lists[kind]);
                if (row == labels->count())
                    break;
                const QString name = selector("cboStone")->currentText();
                const QString label = labels->item(row)->text();
                const QString where = name + " / " + label;
                const QStringList before = shownState();
                QTest::mouseClick(labels->viewport(), Qt::LeftButton, {}, labels->visualItemRect(labels->item(row)).center());
                if (nowhere.contains(where)) {
                    QCOMPARE(shownState(), before);
                    QVERIFY(labels->item(row)->toolTip().startsWith("No entry of the catalogue lists Lapis Lazuli"));
                    continue;
                }
                QVERIFY2(selector(Selectors[kind + 1])->isVisible(), qPrintable(where));
                const QString entry = selector(Selectors[kind + 1])->currentText();
                QVERIFY2(entry.compare(reworded.value(label, label), Qt::CaseInsensitive) == 0, qPrintable(where));
                QVERIFY2(items(list(Shown_Lists[kind + 3])).contains(name), qPrintable(where));
                ++followed;
            }
        }
    }
    QCOMPARE(followed, 118 + 85 + 121 - 2);
}

void TestFrmCrystalHealingMain::pickingAnItemAgainLooksItUpOnce_data()
{
    QTest::addColumn<bool>("sameItem");
    QTest::addColumn<QString>("shownStone");
    QTest::newRow("Heart again, after Aquamarine") << true << "Rose Quartz";
    QTest::newRow("the item before, by keyboard") << false << "Moonstone";
}

void TestFrmCrystalHealingMain::pickingAnItemAgainLooksItUpOnce()
{
    QFETCH(bool, sameItem);
    QFETCH(QString, shownStone);

    search(3);
    pick("cboOrgans", "Heart");
    list("lstStone_Organ")->setCurrentRow(8);  // Aquamarine
    QComboBox* organs = selector("cboOrgans");
    QSignalSpy shown(control<QPlainTextEdit>("txtStoneDesc"), &QPlainTextEdit::textChanged);
    if (sameItem) {
        organs->showPopup();
        QTest::keyClick(organs->view(), Qt::Key_Return);
    } else {
        QTest::keyClick(organs, Qt::Key_Up);
    }

    QCOMPARE(shown.count(), 1);
    QCOMPARE(list("lstStone_Organ")->currentItem()->text(), shownStone);
}

QTEST_MAIN(TestFrmCrystalHealingMain)
#include "test_frmCrystalHealingMain.moc"
