#include <QtTest>

#include "clipboard_gestures.h"
#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "shell/widgets/clipboard_guard.h"
#include "shell/widgets/deferred_page.h"
#include "shell/widgets/picture_box.h"
#include "support/find_control.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>

namespace {

GemologyReading leoReading()
{
    GemologyReading reading;
    reading.sunSign = "Leo";
    reading.sunStone = "Peridot";
    reading.sunSignPicture = 6;
    reading.sunStonePicture = 5;
    reading.sunText = "Peridot text for Leo.";
    reading.moonSign = "Virgo";
    reading.moonStone = "Emerald";
    reading.moonSignPicture = 12;
    reading.moonStonePicture = 6;
    reading.moonText = "Emerald text for Virgo.";
    reading.birthStone = "Peridot";
    reading.birthStoneText = "Peridot text for August.";
    reading.birthStonePicture = 8;
    return reading;
}

// What a control shows: a label's caption, a text box's text, a picture box's drawing.
QString shownBy(const QWidget& window, const QString& control)
{
    DeferredPage::buildAll(&window);
    const QObject* found = window.findChild<QObject*>(control);
    if (const auto* label = qobject_cast<const QLabel*>(found))
        return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(found))
        return box->toPlainText();
    if (const auto* picture = qobject_cast<const PictureBox*>(found))
        return picture->drawing();
    return QStringLiteral("<no control %1>").arg(control);
}

QAction* action(const QWidget& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// Runs a command of the display window: a button by its name or a menu item by its name.
void runCommand(QWidget& window, const QString& name)
{
    if (auto* button = window.findChild<QAbstractButton*>(name))
        button->click();
    else if (auto* item = window.findChild<QAction*>(name))
        item->trigger();
    else
        QFAIL(qPrintable(QStringLiteral("no command %1").arg(name)));
}

}  // namespace

class TestFrmGemologyDisplay : public QObject {
    Q_OBJECT

private:
    frmGemologyDisplay* display = nullptr;
    QPointer<frmMDI> launcher;
    QWidget* welcomePanel() const { return launcher->findChild<QWidget*>(QStringLiteral("picMain")); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithPlaceholders_data();
    void startsWithPlaceholders();
    void readingFieldLandsInItsControl_data();
    void readingFieldLandsInItsControl();
    void unwrittenFieldsKeepEarlierValues();
    void showsNoStoneToAvoid();
    void notesShowOnlyWithTextAndReachTheReport();
    void backShowsFreshEntryAndHidesDisplay_data();
    void backShowsFreshEntryAndHidesDisplay();
    void closeBoxBringsWelcomePanelBack();
    void exitClosesEveryWindow();
    void descriptionClearsOnlyOurClipboard_data();
    void descriptionClearsOnlyOurClipboard();
    void descriptionCannotBeCopied_data();
    void descriptionCannotBeCopied();
    void selectedDescriptionIsNotOfferedForPasting();
    void hiddenTabsAreMadeWhenFirstShownWithTheReading();
    void reportOfUnbuiltTabsIsTheReportOfBuiltOnes();
};

void TestFrmGemologyDisplay::hiddenTabsAreMadeWhenFirstShownWithTheReading()
{
    QVERIFY(!display->findChild<QLabel*>(QStringLiteral("lblSunSignYourSunSign")));
    QVERIFY(!display->findChild<QLabel*>(QStringLiteral("lblMoonSignYourMoonSign")));
    GemologyReading reading = leoReading();
    reading.moonSignNote = "moon note";
    display->showReading(reading);
    display->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);

    const auto* moonSign = display->findChild<QLabel*>(QStringLiteral("lblMoonSignYourMoonSign"));
    QVERIFY(moonSign && moonSign->isVisible());
    QCOMPARE(moonSign->text(), QString::fromStdString(*reading.moonSign));
    QVERIFY(display->findChild<QLabel*>(QStringLiteral("lblMoonSignNote"))->isVisible());
    QVERIFY(!display->findChild<QLabel*>(QStringLiteral("lblSunSignYourSunSign")));
    QCOMPARE(display->reportTexts().sunSign, QString::fromStdString(*reading.sunSign));
}

void TestFrmGemologyDisplay::reportOfUnbuiltTabsIsTheReportOfBuiltOnes()
{
    GemologyReading reading = leoReading();
    reading.sunSignNote = "sun note";
    reading.moonSignMoment = "moment";
    reading.moonSignNote = "";
    display->showReading(reading);
    const ReportTexts unbuilt = display->reportTexts();
    QVERIFY(!display->findChild<QLabel*>(QStringLiteral("lblSunSignYourSunSign")));
    QVERIFY(!display->findChild<QLabel*>(QStringLiteral("lblMoonSignYourMoonSign")));

    DeferredPage::buildAll(display);
    const ReportTexts built = display->reportTexts();
    for (const auto& [field, value] : {std::pair{&ReportTexts::sunSign, "sun sign"}, {&ReportTexts::sunStone, "sun stone"},
                                       {&ReportTexts::sunText, "sun text"}, {&ReportTexts::moonSign, "moon sign"},
                                       {&ReportTexts::moonStone, "moon stone"}, {&ReportTexts::moonText, "moon text"}})
        QVERIFY2(unbuilt.*field == built.*field, value);
    QCOMPARE(unbuilt.notes, (QStringList{QStringLiteral("sun note"), QStringLiteral("moment")}));
    QCOMPARE(unbuilt.notes, built.notes);
}

void TestFrmGemologyDisplay::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    Register_Windows();
}

void TestFrmGemologyDisplay::init()
{
    launcher = new frmMDI;
    launcher->show();
    Welcome_Panel::setVisible(false);
    display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::obtain(SubWindow::Display));
    QVERIFY(display);
    display->show();
}

void TestFrmGemologyDisplay::cleanup()
{
    Sub_Programs::closeAll();
    delete launcher;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmGemologyDisplay::startsWithPlaceholders_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");

    QTest::newRow("birth stone") << QStringLiteral("lblBirthStoneAvoidStone") << QStringLiteral("LuckyStone");
    QTest::newRow("sun sign") << QStringLiteral("lblSunSignYourSunSign") << QStringLiteral("YourSunSign");
    QTest::newRow("sun stone") << QStringLiteral("lblSunSignLuckyStone") << QStringLiteral("LuckyStone");
    QTest::newRow("moon sign") << QStringLiteral("lblMoonSignYourMoonSign") << QStringLiteral("MoonSign");
    QTest::newRow("moon stone") << QStringLiteral("lblMoonSignLuckyStone") << QStringLiteral("LuckyStone");
    QTest::newRow("birth stone text") << QStringLiteral("txtBirthStoneAbout") << QString();
    QTest::newRow("sun text") << QStringLiteral("txtSunSignAbout") << QString();
    QTest::newRow("moon text") << QStringLiteral("txtMoonSignAbout") << QString();
}

void TestFrmGemologyDisplay::startsWithPlaceholders()
{
    QFETCH(QString, control);
    QFETCH(QString, shown);

    QCOMPARE(shownBy(*display, control), shown);
}

void TestFrmGemologyDisplay::readingFieldLandsInItsControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");

    QTest::newRow("sunSign") << QStringLiteral("lblSunSignYourSunSign") << QStringLiteral("Leo");
    QTest::newRow("sunStone") << QStringLiteral("lblSunSignLuckyStone") << QStringLiteral("Peridot");
    QTest::newRow("sunSignPicture") << QStringLiteral("picSunSign") << QStringLiteral("signs/leo");
    QTest::newRow("sunStonePicture") << QStringLiteral("picSunSignStone") << QStringLiteral("stones/peridot");
    QTest::newRow("sunText") << QStringLiteral("txtSunSignAbout") << QStringLiteral("Peridot text for Leo.");
    QTest::newRow("moonSign") << QStringLiteral("lblMoonSignYourMoonSign") << QStringLiteral("Virgo");
    QTest::newRow("moonStone") << QStringLiteral("lblMoonSignLuckyStone") << QStringLiteral("Emerald");
    QTest::newRow("moonSignPicture") << QStringLiteral("picMoonSign") << QStringLiteral("signs/virgo");
    QTest::newRow("moonStonePicture") << QStringLiteral("picMoonSignStone") << QStringLiteral("stones/emerald");
    QTest::newRow("moonText") << QStringLiteral("txtMoonSignAbout") << QStringLiteral("Emerald text for Virgo.");
    QTest::newRow("birthStone") << QStringLiteral("lblBirthStoneAvoidStone") << QStringLiteral("Peridot");
    QTest::newRow("birthStoneText") << QStringLiteral("txtBirthStoneAbout") << QStringLiteral("Peridot text for August.");
    QTest::newRow("birthStonePicture") << QStringLiteral("picBirthStone") << QStringLiteral("stones/peridot");
}

void TestFrmGemologyDisplay::readingFieldLandsInItsControl()
{
    QFETCH(QString, control);
    QFETCH(QString, shown);

    display->showReading(leoReading());

    QCOMPARE(shownBy(*display, control), shown);
}

void TestFrmGemologyDisplay::unwrittenFieldsKeepEarlierValues()
{
    display->showReading(leoReading());
    GemologyReading second;
    second.sunSign = "Aries";
    second.birthStone = "Garnet";
    second.birthStonePicture = 1;

    display->showReading(second);

    QCOMPARE(shownBy(*display, QStringLiteral("lblSunSignYourSunSign")), QStringLiteral("Aries"));
    QCOMPARE(shownBy(*display, QStringLiteral("lblBirthStoneAvoidStone")), QStringLiteral("Garnet"));
    QCOMPARE(shownBy(*display, QStringLiteral("picBirthStone")), QStringLiteral("stones/garnet"));
    QCOMPARE(shownBy(*display, QStringLiteral("lblSunSignLuckyStone")), QStringLiteral("Peridot"));
    QCOMPARE(shownBy(*display, QStringLiteral("picSunSign")), QStringLiteral("signs/leo"));
    QCOMPARE(shownBy(*display, QStringLiteral("txtSunSignAbout")), QStringLiteral("Peridot text for Leo."));
    QCOMPARE(shownBy(*display, QStringLiteral("lblMoonSignYourMoonSign")), QStringLiteral("Virgo"));
    QCOMPARE(shownBy(*display, QStringLiteral("txtBirthStoneAbout")), QStringLiteral("Peridot text for August."));
}

void TestFrmGemologyDisplay::notesShowOnlyWithTextAndReachTheReport()
{
    const auto noteLabel = [this](const char* name) {
        return Find_Control<QLabel>(display, QString::fromLatin1(name));
    };
    QVERIFY(noteLabel("lblMoonSignNote")->isHidden());
    GemologyReading reading = leoReading();
    reading.sunSignNote = "sun note";
    reading.moonPosition = "The Moon at 13° 18' 57\" in Virgo";
    reading.moonSignMoment = "";
    reading.moonSignNote = "moon note";

    display->showReading(reading);

    QVERIFY(!noteLabel("lblSunSignNote")->isHidden());
    QVERIFY(!noteLabel("lblMoonPosition")->isHidden());
    QVERIFY(noteLabel("lblMoonSignMoment")->isHidden());
    QCOMPARE(display->reportTexts().notes, (QStringList{QStringLiteral("sun note"), QStringLiteral("moon note")}));

    reading.sunSignNote = "";
    display->showReading(reading);
    QVERIFY(noteLabel("lblSunSignNote")->isHidden());
    QCOMPARE(display->reportTexts().notes, QStringList{QStringLiteral("moon note")});
}

void TestFrmGemologyDisplay::showsNoStoneToAvoid()
{
    display->showReading(leoReading());
    auto* tabs = display->findChild<QTabWidget*>(QStringLiteral("SSTab1"));

    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        for (const QLabel* label : display->findChildren<QLabel*>()) {
            QVERIFY2(!label->text().contains(QStringLiteral("Avoid"), Qt::CaseInsensitive), qPrintable(label->objectName()));
        }
    }
    QVERIFY(!display->findChild<QWidget*>(QStringLiteral("lblBirthStoneLuckyStone")));
    QVERIFY(!display->findChild<QWidget*>(QStringLiteral("Label14")));
}

void TestFrmGemologyDisplay::backShowsFreshEntryAndHidesDisplay_data()
{
    QTest::addColumn<QString>("command");

    QTest::newRow("button") << QStringLiteral("cmdBqck");
    QTest::newRow("menu") << QStringLiteral("mnuBack");
}

void TestFrmGemologyDisplay::backShowsFreshEntryAndHidesDisplay()
{
    QFETCH(QString, command);
    display->showReading(leoReading());
    QVERIFY(!Sub_Programs::instance(SubWindow::Entry));

    runCommand(*display, command);

    QWidget* entry = Sub_Programs::instance(SubWindow::Entry);
    QVERIFY(entry);
    QVERIFY(entry->isVisible());
    QCOMPARE(entry->frameGeometry().top(), entry->screen()->availableGeometry().top());
    QVERIFY(!display->isVisible());
    QCOMPARE(Sub_Programs::instance(SubWindow::Display), display);
    QCOMPARE(shownBy(*display, QStringLiteral("lblSunSignYourSunSign")), QStringLiteral("Leo"));
    QVERIFY(!welcomePanel()->isVisible());
}

void TestFrmGemologyDisplay::closeBoxBringsWelcomePanelBack()
{
    display->close();

    QVERIFY(!Sub_Programs::instance(SubWindow::Display));
    QVERIFY(launcher->isVisible());
    QVERIFY(welcomePanel()->isVisible());
}

void TestFrmGemologyDisplay::exitClosesEveryWindow()
{
    action(*display, "mnuExit")->trigger();

    QVERIFY(!Sub_Programs::instance(SubWindow::Display));
    QVERIFY(!launcher || !launcher->isVisible());
    for (const QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void TestFrmGemologyDisplay::descriptionClearsOnlyOurClipboard_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("ours");

    for (const char* box : {"txtBirthStoneAbout", "txtSunSignAbout", "txtMoonSignAbout"}) {
        QTest::addRow("%s, our own text", box) << QString::fromLatin1(box) << true;
        QTest::addRow("%s, another program's text", box) << QString::fromLatin1(box) << false;
    }
}

void TestFrmGemologyDisplay::descriptionClearsOnlyOurClipboard()
{
    QFETCH(QString, box);
    QFETCH(bool, ours);
    display->showReading(leoReading());
    auto* text = Find_Control<QPlainTextEdit>(display, box);
    auto* tabs = display->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->widget(tab)->isAncestorOf(text))
            tabs->setCurrentIndex(tab);
    }
    QList<std::function<void()>> gestures = Mouse_Gestures(text->viewport());
    gestures.append([this] { display->showReading(leoReading()); });

    Check_Clipboard_Cleared_Only_When_Ours(gestures, ours);
}

void TestFrmGemologyDisplay::descriptionCannotBeCopied_data()
{
    QTest::addColumn<QString>("box");

    QTest::newRow("birth stone") << QStringLiteral("txtBirthStoneAbout");
    QTest::newRow("sun sign") << QStringLiteral("txtSunSignAbout");
    QTest::newRow("moon sign") << QStringLiteral("txtMoonSignAbout");
}

void TestFrmGemologyDisplay::descriptionCannotBeCopied()
{
    QFETCH(QString, box);
    display->showReading(leoReading());
    auto* text = Find_Control<QPlainTextEdit>(display, box);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    text->selectAll();

    QTest::keySequence(text, QKeySequence::Copy);
    QTest::keySequence(text, QKeySequence::Cut);

    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->contextMenuPolicy(), Qt::NoContextMenu);
}

void TestFrmGemologyDisplay::selectedDescriptionIsNotOfferedForPasting()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("the platform has no primary selection (run under X11 to check it)");
    display->showReading(leoReading());
    auto* text = display->findChild<QPlainTextEdit*>(QStringLiteral("txtBirthStoneAbout"));
    QVERIFY(QTest::qWaitForWindowExposed(display));
    QWidget* viewport = text->viewport();
    const QPoint start(4, 8);
    const QPoint end(viewport->width() / 2, 8);

    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, end);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    QTest::keyClick(viewport, Qt::Key_A, Qt::ControlModifier);

    QVERIFY(text->textCursor().hasSelection());
    QCOMPARE(clipboard->text(QClipboard::Selection), QString());
}

QTEST_MAIN(TestFrmGemologyDisplay)
#include "test_frmGemologyDisplay.moc"
