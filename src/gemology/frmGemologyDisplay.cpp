#include "gemology/frmGemologyDisplay.h"

#include "gemology/gemology_pictures.h"
#include "gemology/people_book_access.h"
#include "report/frmGemologySave.h"
#include "shell/widgets/screen_fit.h"
#include "shell/sub_programs.h"
#include "shell/vendor_links.h"
#include "shell/widgets/clipboard_guard.h"
#include "shell/widgets/deferred_page.h"
#include "ui_frmGemologyDisplay.h"
#include "ui_frmGemologyMoonSignTab.h"
#include "ui_frmGemologySunSignTab.h"

#include <QCloseEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

void showText(QLabel* label, const std::optional<std::string>& text)
{
    if (text)
        label->setText(QString::fromStdString(*text));
}

void showText(QPlainTextEdit* box, const std::optional<std::string>& text)
{
    if (text)
        box->setPlainText(QString::fromStdString(*text));
}

void showNote(QLabel* label, const std::optional<std::string>& text)
{
    if (!text)
        return;
    label->setText(QString::fromStdString(*text));
    label->setVisible(!text->empty());
}

void showPicture(PictureBox* box, const PictureCatalogue& catalogue, const std::optional<int>& position)
{
    if (position)
        box->showPicture(catalogue, *position);
}

// What the value labels and description boxes show before a reading has written them.
GemologyReading placeholders()
{
    GemologyReading shown;
    shown.sunSign = "YourSunSign";
    shown.sunStone = "LuckyStone";
    shown.sunText = "";
    shown.moonSign = "MoonSign";
    shown.moonStone = "LuckyStone";
    shown.moonText = "";
    shown.birthStone = "LuckyStone";
    shown.birthStoneText = "";
    return shown;
}

QString text(const std::optional<std::string>& field)
{
    return QString::fromStdString(field.value_or(std::string()));
}

// A note is shown, and repeated in the report, exactly when the reading has a text for it.
void addNote(QStringList& notes, const std::optional<std::string>& note)
{
    if (note && !note->empty())
        notes.append(QString::fromStdString(*note));
}

}  // namespace

frmGemologyDisplay::frmGemologyDisplay(QWidget* parent)
    : SubProgramWindow(parent), ui(new Ui::frmGemologyDisplay), reading(placeholders())
{
    ui->setupUi(this);
    ui->SSTab1->addTab(new DeferredPage(QStringLiteral("tabSunSign"), [this](DeferredPage* page) { buildSunSignTab(page); }),
                       QStringLiteral("Gems And SunSign"));
    ui->SSTab1->addTab(new DeferredPage(QStringLiteral("tabMoonSign"), [this](DeferredPage* page) { buildMoonSignTab(page); }),
                       QStringLiteral("Gems And MoonSign"));
    body = Scroll_Body(centralWidget());
    ClipboardGuard::protect(ui->txtBirthStoneAbout);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmGemologyDisplay::cmdPrint_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmGemologyDisplay::mnuPrint_Click);
    connect(ui->cmdBqck, &QPushButton::clicked, this, &frmGemologyDisplay::cmdBqck_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &frmGemologyDisplay::mnuBack_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmGemologyDisplay::mnuExit_Click);
    connect(ui->mnuSavePerson, &QAction::triggered, this, &frmGemologyDisplay::mnuSavePerson_Click);
    ui->mnuSavePerson->setEnabled(false);
    Connect_Vendor_Links(this);
    Form_Load();
}

frmGemologyDisplay::~frmGemologyDisplay()
{
    delete sunUi;
    delete moonUi;
    delete ui;
}

void frmGemologyDisplay::buildSunSignTab(DeferredPage* page)
{
    sunUi = new Ui::GemologySunSignTab;
    sunUi->setupUi(page);
    ClipboardGuard::protect(sunUi->txtSunSignAbout);
    showSunSign();
}

void frmGemologyDisplay::buildMoonSignTab(DeferredPage* page)
{
    moonUi = new Ui::GemologyMoonSignTab;
    moonUi->setupUi(page);
    ClipboardGuard::protect(moonUi->txtMoonSignAbout);
    showMoonSign();
}

void frmGemologyDisplay::showBirthStone()
{
    showText(ui->lblBirthStoneAvoidStone, reading.birthStone);
    showText(ui->txtBirthStoneAbout, reading.birthStoneText);
    showPicture(ui->picBirthStone, ImgBirthStone, reading.birthStonePicture);
}

void frmGemologyDisplay::showSunSign()
{
    showText(sunUi->lblSunSignYourSunSign, reading.sunSign);
    showText(sunUi->lblSunSignLuckyStone, reading.sunStone);
    showPicture(sunUi->picSunSign, ImglistSunSign, reading.sunSignPicture);
    showPicture(sunUi->picSunSignStone, ImgSunSignStone, reading.sunStonePicture);
    showText(sunUi->txtSunSignAbout, reading.sunText);
    showNote(sunUi->lblSunSignNote, reading.sunSignNote);
}

void frmGemologyDisplay::showMoonSign()
{
    showText(moonUi->lblMoonSignYourMoonSign, reading.moonSign);
    showText(moonUi->lblMoonSignLuckyStone, reading.moonStone);
    showPicture(moonUi->picMoonSign, imgListMoonSign, reading.moonSignPicture);
    showPicture(moonUi->picMoonSignStone, ImgMoonSignStone, reading.moonStonePicture);
    showText(moonUi->txtMoonSignAbout, reading.moonText);
    showNote(moonUi->lblMoonPosition, reading.moonPosition);
    showNote(moonUi->lblMoonSignMoment, reading.moonSignMoment);
    showNote(moonUi->lblMoonSignNote, reading.moonSignNote);
}

void frmGemologyDisplay::showReading(const GemologyReading& written, std::optional<Person> person)
{
    readFor = std::move(person);
    ui->mnuSavePerson->setEnabled(readFor.has_value());
    Write_Over(reading, written);
    birth.reset();
    if (readFor)
        birth = Reading_Birth_Data(*readFor);
    showBirthStone();
    if (sunUi)
        showSunSign();
    if (moonUi)
        showMoonSign();
    ui->SSTab1->setCurrentIndex(0);
    body->verticalScrollBar()->setValue(0);
    body->horizontalScrollBar()->setValue(0);
}

ReportTexts frmGemologyDisplay::reportTexts() const
{
    ReportTexts texts;
    texts.birthStone = text(reading.birthStone);
    texts.birthStoneText = text(reading.birthStoneText);
    texts.sunSign = text(reading.sunSign);
    texts.sunStone = text(reading.sunStone);
    texts.sunText = text(reading.sunText);
    texts.moonSign = text(reading.moonSign);
    texts.moonStone = text(reading.moonStone);
    texts.moonText = text(reading.moonText);
    addNote(texts.notes, reading.sunSignNote);
    addNote(texts.notes, reading.moonSignMoment);
    addNote(texts.notes, reading.moonSignNote);
    return texts;
}

frmGemologySave* frmGemologyDisplay::makeReport() const
{
    auto* report = new frmGemologySave(reportTexts(), Reading_Summary_Of(birth, reading));
    Sub_Programs::manage(SubWindow::Report, report);
    return report;
}

void frmGemologyDisplay::Form_Load()
{
    Sub_Programs::placeAtTopCentre(this);
}

void frmGemologyDisplay::cmdPrint_Click()
{
    makeReport()->exec();
}

void frmGemologyDisplay::mnuPrint_Click()
{
    cmdPrint_Click();
}

void frmGemologyDisplay::cmdBqck_Click()
{
    mnuBack_Click();
}

void frmGemologyDisplay::mnuBack_Click()
{
    if (QWidget* entry = Sub_Programs::obtain(SubWindow::Entry)) {
        entry->show();
        Sub_Programs::placeAtTopCentre(entry);
    }
    hide();
}

void frmGemologyDisplay::mnuExit_Click()
{
    Quit_Program();
}

void frmGemologyDisplay::mnuSavePerson_Click()
{
    if (readFor)
        Save_Person(this, *readFor);
}
