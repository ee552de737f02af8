#include "gemmarium.h"
#include "gemology/birth_check.h"
#include "gemology/frmGemologyDisplay.h"
#include "gemology/frmGemologyMain.h"
#include "report/report_runs.h"
#include "gemology/stone_texts.h"
#include "birthplace/zone_table.h"
#include "shell/sub_programs.h"
#include "shell/table_text.h"
#include "shell/widgets/picture_box.h"
#include "support/find_control.h"
#include "support/menu_texts.h"
#include "support/scripted_prompts.h"
#include "support/url_catcher.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUrlQuery>
#include <QtTest>

namespace {

QStringList itemTexts(const QComboBox* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->itemText(row));
    return texts;
}

QStringList numberTexts(int first, int last)
{
    QStringList texts;
    for (int number = first; number <= last; ++number)
        texts.append(QString::number(number));
    return texts;
}

using Icon = Prompts::Icon;

// Types each character as one keystroke; characters with no key of their own arrive as text.
void typeKeys(QWidget* widget, const QString& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text.at(at);
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
            continue;
        }
        // A character beyond the first plane (an emoji) is one keystroke of two code units.
        const qsizetype units = character.isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(at, units), Qt::NoModifier);
        at += units - 1;
    }
}

}  // namespace

class TestFrmGemologyMain : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithItsDefaults();
    void menusCarryTheirCaptions();
    void fitsTheScreenAtItsTopCentre();
    void typedCharactersAreFiltered_data();
    void typedCharactersAreFiltered();
    void keysThatTypeNothingPassSilently_data();
    void keysThatTypeNothingPassSilently();
    void pastedNumbersGoInWholeOrNotAtAll_data();
    void pastedNumbersGoInWholeOrNotAtAll();
    void everyWayOfPastingIsGuarded_data();
    void everyWayOfPastingIsGuarded();
    void refusedEntryKeepsTheWindow_data();
    void refusedEntryKeepsTheWindow();
    void searchNeedsThePlace_data();
    void searchNeedsThePlace();
    void searchTextStaysInsideTheQuery();
    void readingGoesToTheDisplay_data();
    void readingGoesToTheDisplay();
    void timeAccuracyListsItsChoices();
    void unknownTimeShowsNoon();
    void notesReachTheDisplayAndTheReport_data();
    void notesReachTheDisplayAndTheReport();
    void exitClosesTheWindowAndBringsTheWelcomePanelBack();
    void aGuardedFieldDeletedInFocusIsLeftAlone();

private:
    template <typename Control>
    Control* control(const QString& name) const { return Find_Control<Control>(window, name); }
    QLineEdit* field(const QString& name) const { return control<QLineEdit>(name); }
    void choose(const QString& list, const QString& item);
    void fillValidEntry();
    void closeEverything();

    ScriptedPrompts prompts;
    QWidget welcomePanel;
    QPointer<frmGemologyMain> window;
};

void TestFrmGemologyMain::initTestCase()
{
    Register_Windows();
    Welcome_Panel::attach(&welcomePanel);
}

void TestFrmGemologyMain::init()
{
    prompts.messages.clear();
    welcomePanel.hide();
    window = qobject_cast<frmGemologyMain*>(Sub_Programs::obtain(SubWindow::Entry));
    QVERIFY(window);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestFrmGemologyMain::cleanup()
{
    closeEverything();
}

void TestFrmGemologyMain::closeEverything()
{
    Sub_Programs::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmGemologyMain::choose(const QString& list, const QString& item)
{
    QComboBox* box = control<QComboBox>(list);
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
}

// A name and 0°00' in the four number fields; the lists keep their defaults.
void TestFrmGemologyMain::fillValidEntry()
{
    field("txtName")->setText(QStringLiteral("ASHA"));
    for (const char* name : {"txtLatD", "txtLatM", "txtLonD", "txtLonM"})
        field(QString::fromLatin1(name))->setText(QStringLiteral("0"));
}

void TestFrmGemologyMain::opensWithItsDefaults()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Zev Gemology"));

    QCOMPARE(itemTexts(control<QComboBox>("cboMonth")),
             (QStringList{"January", "February", "March", "April", "May", "June", "July", "August", "September",
                          "October", "November", "December"}));
    QCOMPARE(itemTexts(control<QComboBox>("cboDate")), numberTexts(1, 31));
    QCOMPARE(itemTexts(control<QComboBox>("cboYear")), numberTexts(1901, 2050));
    QCOMPARE(itemTexts(control<QComboBox>("cboHH")), numberTexts(0, 23));
    QCOMPARE(itemTexts(control<QComboBox>("cboMM")), numberTexts(0, 59));
    QCOMPARE(itemTexts(control<QComboBox>("cboSS")), numberTexts(0, 59));
    QStringList zones;
    for (std::string_view zone : Zone_List_Texts())
        zones.append(To_QString(zone));
    QCOMPARE(itemTexts(control<QComboBox>("cmbTimeZone")), zones);
    QCOMPARE(zones.size(), 71);

    for (const char* list : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"})
        QCOMPARE(control<QComboBox>(list)->currentIndex(), 0);
    QCOMPARE(control<QComboBox>("cmbTimeZone")->currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
    for (QComboBox* list : window->findChildren<QComboBox*>())
        QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));

    for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry", "txtLatD", "txtLatM", "txtLonD", "txtLonM"})
        QVERIFY2(field(name)->text().isEmpty(), name);
    QCOMPARE(field("txtLatD")->maxLength(), 2);
    QCOMPARE(field("txtLatM")->maxLength(), 2);
    QCOMPARE(field("txtLonD")->maxLength(), 3);
    QCOMPARE(field("txtLonM")->maxLength(), 2);

    QVERIFY(control<QRadioButton>("optLat_0")->isChecked());
    QVERIFY(!control<QRadioButton>("optLat_1")->isChecked());
    QVERIFY(control<QRadioButton>("optLong_0")->isChecked());
    QVERIFY(!control<QRadioButton>("optLong_1")->isChecked());
    QVERIFY(!control<QCheckBox>("chkDST")->isChecked());

    // The option items in their order; the doubled ampersand shows as one.
    const std::pair<const char*, const char*> captions[] = {
        {"optLat_0", "North"}, {"optLat_1", "South"}, {"optLong_0", "East"}, {"optLong_1", "West"},
        {"cmdBrowser", "Click Here To Find Latitude && Longitude"}, {"cmdRashi", "&Get My Gemology Report"},
    };
    for (const auto& [name, caption] : captions)
        QCOMPARE(control<QAbstractButton>(name)->text(), QString::fromLatin1(caption));
    QCOMPARE(control<QLabel>("lblExplain")->text(),
             QStringLiteral("Click on Get My Gemology Report to Generate a Reading for the Gemstone based on your "
                            "Birth Month,Sun Sign and Moon Sign"));
}

void TestFrmGemologyMain::menusCarryTheirCaptions()
{
    QMenuBar* bar = window->menuBar();
    QCOMPARE(Action_Texts(bar->actions()), (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
    QCOMPARE(Action_Texts(bar->actions().at(0)->menu()->actions()),
             (QStringList{"&Get My Gemology Report", "-", "E&xit"}));
    QCOMPARE(Action_Texts(bar->actions().at(1)->menu()->actions()),
             (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                          "&About Software"}));
    for (const char* name : {"mnuNext", "mnuExit", "mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout", "mnuDonate", "mkmoney"})
        QVERIFY2(window->findChild<QAction*>(name), name);
    QVERIFY(window->findChild<QLabel*>("lblCobrand"));
    QVERIFY(window->findChild<QLabel*>("lblFullBrand"));
}

void TestFrmGemologyMain::fitsTheScreenAtItsTopCentre()
{
    const QSize needed = window->minimumSizeHint();
    QVERIFY2(needed.width() <= 1280 && needed.height() <= 800,
             qPrintable(QStringLiteral("%1x%2").arg(needed.width()).arg(needed.height())));
    QVERIFY(window->width() >= needed.width() && window->height() >= needed.height());

    // A fresh window places itself before it is shown.
    closeEverything();
    auto* fresh = qobject_cast<frmGemologyMain*>(Sub_Programs::obtain(SubWindow::Entry));
    const QRect screen = fresh->screen()->availableGeometry();
    QCOMPARE(fresh->frameGeometry().top(), screen.top());
    QCOMPARE(fresh->frameGeometry().left(), screen.left() + (screen.width() - fresh->frameGeometry().width()) / 2);
}

void TestFrmGemologyMain::typedCharactersAreFiltered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("errorIcon");

    const QString numbers = QStringLiteral("Only Numbers Are Accepted");
    const QString letters = QStringLiteral("Please Enter only Letters");
    for (const char* name : {"txtLatD", "txtLatM", "txtLonD", "txtLonM"}) {
        QTest::addRow("%s: digits", name) << name << "42" << "42" << QStringList() << false;
        QTest::addRow("%s: minus sign", name) << name << "-" << "" << QStringList{numbers} << true;
        QTest::addRow("%s: full stop between digits", name) << name << "1.5" << "15" << QStringList{numbers} << true;
        QTest::addRow("%s: letter and blank", name) << name << "a " << "" << QStringList{numbers, numbers} << true;
        QTest::addRow("%s: Arabic-Indic digit", name) << name << "\u0663" << "" << QStringList{numbers} << true;
    }
    QTest::newRow("name: lower case turns upper case") << "txtName" << "asha devi" << "ASHA DEVI" << QStringList()
                                                       << false;
    QTest::newRow("name: upper case stays") << "txtName" << "Jo" << "JO" << QStringList() << false;
    QTest::newRow("name: digit") << "txtName" << "a1b" << "AB" << QStringList{letters} << false;
    QTest::newRow("name: hyphen passes, full stop refused") << "txtName" << "o-k." << "O-K" << QStringList{letters}
                                                            << false;
    QTest::newRow("name: letter outside A to Z") << "txtName" << "\u00e9" << "\u00c9" << QStringList() << false;
    // Names of every language: letters of any script with their marks, hyphens and apostrophes.
    for (const char* name : {"Zoë", "José", "Ørsted", "Anne-Marie", "O'Brien", "O’Neill", "Ngũgĩ", "Ольга",
                             "अनुष्का", "李小龍", "Müller-Lüdenscheidt"})
        QTest::addRow("name: %s", name) << "txtName" << QString::fromUtf8(name) << QString::fromUtf8(name).toUpper()
                                        << QStringList() << false;
    QTest::newRow("name: emoji") << "txtName" << "A\U0001F600" << "A" << QStringList{letters} << false;
    QTest::newRow("name: comma, quote and at sign") << "txtName" << ",\"@" << "" << QStringList{letters, letters, letters}
                                                    << false;
    QTest::newRow("name: letter-like digit") << "txtName" << "\u0663" << "" << QStringList{letters} << false;
}

void TestFrmGemologyMain::typedCharactersAreFiltered()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    QFETCH(bool, errorIcon);

    QLineEdit* box = this->field(field);
    box->setFocus();
    typeKeys(box, typed);
    QCOMPARE(box->text(), shown);
    QStringList texts;
    for (const ScriptedPrompts::Shown& shownMessage : prompts.messages) {
        texts.append(shownMessage.text);
        QCOMPARE(shownMessage.icon, errorIcon ? Icon::Error : Icon::Information);
    }
    QCOMPARE(texts, messages);
}

void TestFrmGemologyMain::keysThatTypeNothingPassSilently_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown");  // the field starts with "12", the cursor at the end

    for (const char* name : {"txtName", "txtLatD", "txtLonD"}) {
        QTest::addRow("%s: Backspace", name) << name << int(Qt::Key_Backspace) << 0 << "1";
        QTest::addRow("%s: Enter", name) << name << int(Qt::Key_Return) << 0 << "12";
        QTest::addRow("%s: keypad Enter", name) << name << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "12";
        QTest::addRow("%s: Tab", name) << name << int(Qt::Key_Tab) << 0 << "12";
        QTest::addRow("%s: Left", name) << name << int(Qt::Key_Left) << 0 << "12";
        QTest::addRow("%s: Home then Delete", name) << name << int(Qt::Key_Home) << 0 << "2";
        QTest::addRow("%s: Ctrl+A", name) << name << int(Qt::Key_A) << int(Qt::ControlModifier) << "12";
    }
    // Pasting is no keystroke: what the clipboard holds ("x") goes in unfiltered.
    QTest::newRow("txtName: Ctrl+V") << "txtName" << int(Qt::Key_V) << int(Qt::ControlModifier) << "12x";
    QTest::newRow("txtLonD: Ctrl+V") << "txtLonD" << int(Qt::Key_V) << int(Qt::ControlModifier) << "12x";
}

void TestFrmGemologyMain::keysThatTypeNothingPassSilently()
{
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);

    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QLineEdit* box = this->field(field);
    box->setText(QStringLiteral("12"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (key == Qt::Key_Home)
        QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), shown);
    QVERIFY(prompts.messages.isEmpty());
}

void TestFrmGemologyMain::pastedNumbersGoInWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("fieldName");  // holds "0", all selected, when the text is pasted
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("read");  // the value the reading takes

    for (const char* name : {"txtLatD", "txtLatM", "txtLonD", "txtLonM"}) {
        const bool threeDigits = QByteArrayView(name) == "txtLonD";
        const auto row = [name](const char* paste) { return QByteArray(name) + ": " + paste; };
        QTest::newRow(row("blanks around 12").constData()) << name << "  12  " << "12" << false << 12;
        QTest::newRow(row("012").constData()) << name << "012" << (threeDigits ? "012" : "0") << !threeDigits
                                  << (threeDigits ? 12 : 0);
        QTest::newRow(row("12 after 21 zeros").constData()) << name << "00000000000000000000012" << "0" << true << 0;
        QTest::newRow(row("1234").constData()) << name << "1234" << "0" << true << 0;
        QTest::newRow(row("twenty nines").constData()) << name << "99999999999999999999" << "0" << true << 0;
    }
}

void TestFrmGemologyMain::pastedNumbersGoInWholeOrNotAtAll()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    QFETCH(int, read);

    fillValidEntry();
    QLineEdit* box = field(fieldName);
    box->setFocus();
    box->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(box->text(), shown);
    QCOMPARE(prompts.messages.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(prompts.lastMessage(), QStringLiteral("Only Numbers Are Accepted"));
        QCOMPARE(prompts.messages.constFirst().icon, Icon::Error);
    }
    // What the reading takes from the four fields as they now stand.
    const BirthData birth = Birth_Data_Of({{}, field("txtLatD")->text(), field("txtLatM")->text(),
                                           field("txtLonD")->text(), field("txtLonM")->text()});
    const std::map<QString, int> values = {{"txtLatD", birth.latitudeDegrees}, {"txtLatM", birth.latitudeMinutes},
                                           {"txtLonD", birth.longitudeDegrees}, {"txtLonM", birth.longitudeMinutes}};
    QCOMPARE(values.at(fieldName), read);

    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(prompts.messages.size(), refused ? 1 : 0);
    QVERIFY(Sub_Programs::instance(SubWindow::Display));
}

void TestFrmGemologyMain::everyWayOfPastingIsGuarded_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");  // in the empty txtLonD
    QTest::addColumn<bool>("refused");

    for (const char* way : {"context menu", "middle button", "drop"}) {
        QTest::addRow("%s: blanks around 12", way) << way << "  12  " << "12" << false;
        QTest::addRow("%s: 1234", way) << way << "1234" << "" << true;
        QTest::addRow("%s: letters that fit", way) << way << "ab" << "ab" << false;
    }
}

void TestFrmGemologyMain::everyWayOfPastingIsGuarded()
{
    QFETCH(QString, way);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(bool, refused);

    QLineEdit* box = field("txtLonD");
    box->setFocus();
    if (way == u"context menu") {
        QGuiApplication::clipboard()->setText(pasted);
        QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, box->rect().center(),
                                    box->mapToGlobal(box->rect().center()));
        QCoreApplication::sendEvent(box, &menuAsked);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
            return action->text().startsWith(QStringLiteral("&Paste"));
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
        menu->close();
    } else if (way == u"middle button") {
        if (!QGuiApplication::clipboard()->supportsSelection())
            QSKIP("this platform has no selection to paste with the middle button (run under X11 to check it)");
        QGuiApplication::clipboard()->setText(pasted, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, box->rect().center());
    } else {
        QMimeData dragged;
        dragged.setText(pasted);
        QDragEnterEvent enter(box->rect().center(), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent drop(box->rect().center(), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &drop);
    }

    QCOMPARE(box->text(), shown);
    QCOMPARE(prompts.messages.size(), refused ? 1 : 0);
}

void TestFrmGemologyMain::refusedEntryKeepsTheWindow_data()
{
    QTest::addColumn<QString>("fieldName");  // the field to change from a valid entry
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("errorIcon");
    QTest::addColumn<QString>("focus");  // empty: the focus stays on the button pressed

    const QString longitude = QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude");
    const QString latitudeMinutes = QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Latitude");

    QTest::newRow("name of blanks") << "txtName" << "   " << "1" << "January" << "1901" << "Please Enter Name" << true
                                    << "txtName";
    QTest::newRow("pasted 12abc") << "txtLonD" << "12a" << "1" << "January" << "1901" << longitude << true
                                  << "txtLonD";
    QTest::newRow("pasted Arabic-Indic digit") << "txtLatM" << "\u0663" << "1" << "January" << "1901"
                                               << latitudeMinutes << true << "txtLatM";
    QTest::newRow("29 February 1901") << "txtName" << "ASHA" << "29" << "February" << "1901"
                                      << "Please Enter Correct Date Or Month!" << false << "";
    QTest::newRow("31 September") << "txtName" << "ASHA" << "31" << "September" << "1975"
                                   << "Please Enter Correct Date Or Month !" << false << "";
}

void TestFrmGemologyMain::refusedEntryKeepsTheWindow()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(bool, errorIcon);
    QFETCH(QString, focus);

    fillValidEntry();
    field(fieldName)->setText(text);
    choose("cboDate", day);
    choose("cboMonth", month);
    choose("cboYear", year);
    field("txtName")->setFocus();

    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);

    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.lastMessage(), message);
    QCOMPARE(prompts.messages.constFirst().icon, errorIcon ? Icon::Error : Icon::Information);
    QCOMPARE(QApplication::focusWidget(), focus.isEmpty() ? control<QWidget>("cmdRashi") : field(focus));
    QCOMPARE(field(fieldName)->text(), text);
    QVERIFY(window->isVisible());
    QVERIFY(!Sub_Programs::instance(SubWindow::Display));
}

void TestFrmGemologyMain::searchNeedsThePlace_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("city empty, the rest filled") << "" << "Kerala" << "India" << "Please Enter City" << "txtMCity";
    QTest::newRow("everything empty") << "" << "" << "" << "Please Enter City" << "txtMCity";
    QTest::newRow("state empty") << "Kochi" << "" << "India" << "Please Enter State" << "txtMState";
    QTest::newRow("country empty") << "Kochi" << "Kerala" << "" << "Please Enter Country" << "txtMCountry";
}

void TestFrmGemologyMain::searchNeedsThePlace()
{
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    UrlCatcher urls;
    field("txtMCity")->setText(city);
    field("txtMState")->setText(state);
    field("txtMCountry")->setText(country);
    field("txtName")->setFocus();
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);

    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.lastMessage(), message);
    QCOMPARE(prompts.messages.constFirst().icon, Icon::Information);
    QCOMPARE(QApplication::focusWidget(), field(focus));
    QVERIFY(urls.opened.isEmpty());
}

void TestFrmGemologyMain::searchTextStaysInsideTheQuery()
{
    UrlCatcher urls;
    field("txtMState")->setText(QStringLiteral("Dar es Salaam"));
    field("txtMCountry")->setText(QStringLiteral("Tanzania"));

    field("txtMCity")->setText(QStringLiteral("Kigamboni"));
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    field("txtMCity")->setText(QStringLiteral(" Dar & Salaam #2 @evil.example/?q=1&x=%41 "));
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);

    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(urls.opened.size(), 2);
    const QUrl plain = urls.opened.at(0);
    const QUrl tricky = urls.opened.at(1);
    QVERIFY(tricky.isValid());
    QCOMPARE(tricky.scheme(), plain.scheme());
    QCOMPARE(tricky.authority(), plain.authority());
    QCOMPARE(tricky.path(), plain.path());
    QVERIFY(!tricky.hasFragment());
    const QUrlQuery plainQuery(plain);
    const QUrlQuery trickyQuery(tricky);
    QCOMPARE(trickyQuery.queryItems().size(), plainQuery.queryItems().size());
    const QString key = plainQuery.queryItems().constFirst().first;
    QCOMPARE(plainQuery.queryItemValue(key, QUrl::FullyDecoded),
             QStringLiteral("Kigamboni Dar es Salaam Tanzania Latitude Longitude"));
    QCOMPARE(trickyQuery.queryItemValue(key, QUrl::FullyDecoded),
             QStringLiteral(" Dar & Salaam #2 @evil.example/?q=1&x=%41  Dar es Salaam Tanzania Latitude Longitude"));
}

void TestFrmGemologyMain::readingGoesToTheDisplay_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("west");
    QTest::addColumn<QString>("longitudeDegrees");
    QTest::addColumn<QString>("longitudeMinutes");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QString>("sunSign");
    QTest::addColumn<QString>("moonSign");
    QTest::addColumn<QString>("moonStone");
    QTest::addColumn<QString>("moonPictures");  // sign and stone drawings
    QTest::addColumn<QString>("moonText");
    QTest::addColumn<QString>("birthStone");

    using namespace Stone_Texts;
    // The Moon stood at 223°19' at noon GMT on 1 January 2000.
    QTest::newRow("Greenwich, 1 January 2000 12:00")
        << "1" << "January" << "2000" << "12" << "0" << 29 << false << "0" << "0" << false << "Capricorn"
        << "Scorpio" << "Coral" << "signs/scorpio stones/coral" << To_QString(Moon_Scorpio_Coral) << "Garnet";
    // The same moment in New Delhi, from the File menu.
    QTest::newRow("New Delhi, 1 January 2000 17:30 IST")
        << "1" << "January" << "2000" << "17" << "30" << 34 << false << "77" << "13" << true << "Capricorn"
        << "Scorpio" << "Coral" << "signs/scorpio stones/coral" << To_QString(Moon_Scorpio_Coral) << "Garnet";
    // The Moon stood at 133°10' at 0h GMT on 12 April 1992.
    QTest::newRow("London, 12 April 1992 00:00")
        << "12" << "April" << "1992" << "0" << "0" << 29 << true << "0" << "7" << false << "Aries" << "Leo"
        << "Ruby" << "signs/leo stones/ruby" << To_QString(Moon_Leo_Ruby) << "Diamond";
    // The Moon entered Virgo at 04:11 GMT on 13 April 1992; 04:30 in Madrid on CET was 03:30 GMT.
    QTest::newRow("Madrid, 13 April 1992 04:30 CET")
        << "13" << "April" << "1992" << "4" << "30" << 20 << true << "3" << "42" << false << "Aries" << "Leo"
        << "Ruby" << "signs/leo stones/ruby" << To_QString(Moon_Leo_Ruby) << "Diamond";
}

void TestFrmGemologyMain::readingGoesToTheDisplay()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(int, zone);
    QFETCH(bool, west);
    QFETCH(QString, longitudeDegrees);
    QFETCH(QString, longitudeMinutes);
    QFETCH(bool, fromMenu);
    QFETCH(QString, sunSign);
    QFETCH(QString, moonSign);
    QFETCH(QString, moonStone);
    QFETCH(QString, moonPictures);
    QFETCH(QString, moonText);
    QFETCH(QString, birthStone);

    fillValidEntry();
    QTest::keyClicks(field("txtName"), QStringLiteral("asha"));
    choose("cboDate", day);
    choose("cboMonth", month);
    choose("cboYear", year);
    choose("cboHH", hour);
    choose("cboMM", minute);
    control<QComboBox>("cmbTimeZone")->setCurrentIndex(zone);
    control<QRadioButton>(west ? "optLong_1" : "optLong_0")->click();
    field("txtLonD")->setText(longitudeDegrees);
    field("txtLonM")->setText(longitudeMinutes);
    if (fromMenu)
        control<QAction>("mnuNext")->trigger();
    else
        QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);

    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(!window || !window->isVisible());
    QVERIFY(!Sub_Programs::instance(SubWindow::Entry));
    QVERIFY(welcomePanel.isHidden());
    auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::instance(SubWindow::Display));
    QVERIFY(display);
    QVERIFY(display->isVisible());

    auto label = [display](const char* name) { return Find_Control<QLabel>(display, name)->text(); };
    auto drawing = [display](const char* name) { return Find_Control<PictureBox>(display, name)->drawing(); };
    QCOMPARE(label("lblSunSignYourSunSign"), sunSign);
    QCOMPARE(label("lblMoonSignYourMoonSign"), moonSign);
    QCOMPARE(label("lblMoonSignLuckyStone"), moonStone);
    QCOMPARE(drawing("picMoonSign") + u' ' + drawing("picMoonSignStone"), moonPictures);
    QCOMPARE(Find_Control<QPlainTextEdit>(display, "txtMoonSignAbout")->toPlainText(), moonText);
    QCOMPARE(label("lblBirthStoneAvoidStone"), birthStone);
    QCOMPARE(drawing("picBirthStone"), QStringLiteral("stones/") + birthStone.toLower());
}

void TestFrmGemologyMain::timeAccuracyListsItsChoices()
{
    const QComboBox* accuracy = control<QComboBox>("cboTimeAccuracy");
    QCOMPARE(itemTexts(accuracy), (QStringList{"Exact time", "Within 15 minutes", "Within 1 hour", "Within 2 hours",
                                           "Time not known"}));
    QCOMPARE(accuracy->currentIndex(), 0);
    QVERIFY(!accuracy->isEditable());
}

// The reading takes noon for a time not known; the time lists say so and take no other time.
void TestFrmGemologyMain::unknownTimeShowsNoon()
{
    const QStringList lists = {"cboHH", "cboMM", "cboSS"};
    const auto shown = [&] {
        QStringList texts;
        for (const QString& list : lists)
            texts << control<QComboBox>(list)->currentText() + (control<QComboBox>(list)->isEnabled() ? "" : " (disabled)");
        return texts;
    };
    choose("cboHH", "3");
    choose("cboMM", "45");
    choose("cboSS", "10");
    choose("cboTimeAccuracy", "Time not known");
    QCOMPARE(shown(), (QStringList{"12 (disabled)", "0 (disabled)", "0 (disabled)"}));
    choose("cboTimeAccuracy", "Within 1 hour");
    QCOMPARE(shown(), (QStringList{"3", "45", "10"}));
    choose("cboTimeAccuracy", "Within 2 hours");
    QCOMPARE(shown(), (QStringList{"3", "45", "10"}));
}

void TestFrmGemologyMain::notesReachTheDisplayAndTheReport_data()
{
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("note");  // the one note the report closes with, by its first words

    // Greenwich, 1990: the Moon entered Cancer at 12:51 on 1 April; the Sun entered Leo on 23 July.
    QTest::newRow("ordinary day, exact time") << "Exact time" << "10" << "July" << QString();
    QTest::newRow("sun cusp") << "Exact time" << "21" << "July" << "By the calendar you are a Leo.";
    QTest::newRow("moon changes sign, time not known") << "Time not known" << "1" << "April"
                                                       << "The Moon moved from Gemini into Cancer at 12:51";
}

// The time lists say 03:00 or 12:00; with "Time not known" the reading takes 12:00 all the same.
void TestFrmGemologyMain::notesReachTheDisplayAndTheReport()
{
    QFETCH(QString, accuracy);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, note);

    fillValidEntry();
    choose("cboDate", day);
    choose("cboMonth", month);
    choose("cboYear", QStringLiteral("1990"));
    choose("cboHH", accuracy == QLatin1String("Time not known") ? QStringLiteral("3") : QStringLiteral("12"));
    choose("cboTimeAccuracy", accuracy);
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);

    auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::instance(SubWindow::Display));
    QVERIFY(display);
    QVERIFY(!Find_Control<QLabel>(display, "lblMoonPosition")->isHidden());
    const ReportTexts texts = display->reportTexts();
    QCOMPARE(texts.notes.size(), note.isEmpty() ? 0 : 1);
    QVERIFY(note.isEmpty() || texts.notes.front().startsWith(note));
    QCOMPARE(Build_Report_Runs(texts).size(), note.isEmpty() ? 19 : 21);
}

void TestFrmGemologyMain::exitClosesTheWindowAndBringsTheWelcomePanelBack()
{
    control<QAction>("mnuExit")->trigger();
    QVERIFY(!window || !window->isVisible());
    QVERIFY(!Sub_Programs::instance(SubWindow::Entry));
    QVERIFY(!welcomePanel.isHidden());
    QVERIFY(!Sub_Programs::instance(SubWindow::Display));
}

// A field deleted while it has the focus tells its filters the focus leaves it when it is a
// line edit no more: its paste guard touches nothing then (the sanitizer build checks it).
void TestFrmGemologyMain::aGuardedFieldDeletedInFocusIsLeftAlone()
{
    QPointer<QLineEdit> box = field(QStringLiteral("txtLonD"));
    box->setFocus();
    QVERIFY(box->hasFocus());
    delete box.data();
    QVERIFY(!box);
}

QTEST_MAIN(TestFrmGemologyMain)
#include "test_frmGemologyMain.moc"
