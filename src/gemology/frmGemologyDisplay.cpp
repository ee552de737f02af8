#include "gemology/frmGemologyDisplay.h"

#include "gemology/gemology_pictures.h"
#include "shell/widgets/screen_fit.h"
#include "shell/sub_programs.h"
#include "shell/vendor_links.h"
#include "shell/widgets/clipboard_guard.h"
#include "shell/widgets/deferred_page.h"
#include "ui_frmGemologyDisplay.h"
#include "ui_frmGemologyMoonSignTab.h"
#include "ui_frmGemologySunSignTab.h"

#include <QCloseEvent>
#include <QDialog>

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

template <typename Field>
void keepWritten(std::optional<Field>& kept, const std::optional<Field>& written)
{
    if (written)
        kept = written;
}

void keepSunSign(GemologyReading& kept, const GemologyReading& written)
{
    keepWritten(kept.sunSign, written.sunSign);
    keepWritten(kept.sunStone, written.sunStone);
    keepWritten(kept.sunSignPicture, written.sunSignPicture);
    keepWritten(kept.sunStonePicture, written.sunStonePicture);
    keepWritten(kept.sunText, written.sunText);
    keepWritten(kept.sunSignNote, written.sunSignNote);
}

void keepMoonSign(GemologyReading& kept, const GemologyReading& written)
{
    keepWritten(kept.moonSign, written.moonSign);
    keepWritten(kept.moonStone, written.moonStone);
    keepWritten(kept.moonSignPicture, written.moonSignPicture);
    keepWritten(kept.moonStonePicture, written.moonStonePicture);
    keepWritten(kept.moonText, written.moonText);
    keepWritten(kept.moonPosition, written.moonPosition);
    keepWritten(kept.moonSignMoment, written.moonSignMoment);
    keepWritten(kept.moonSignNote, written.moonSignNote);
}

}  // namespace

frmGemologyDisplay::frmGemologyDisplay(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::frmGemologyDisplay)
{
    ui->setupUi(this);
    sunTab = new DeferredPage(QStringLiteral("tabSunSign"), [this](DeferredPage* page) { buildSunSignTab(page); });
    ui->SSTab1->addTab(sunTab, QStringLiteral("Gems And SunSign"));
    moonTab = new DeferredPage(QStringLiteral("tabMoonSign"), [this](DeferredPage* page) { buildMoonSignTab(page); });
    ui->SSTab1->addTab(moonTab, QStringLiteral("Gems And MoonSign"));
    Scroll_Body(centralWidget());
    ClipboardGuard::protect(ui->txtBirthStoneAbout);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmGemologyDisplay::cmdPrint_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmGemologyDisplay::mnuPrint_Click);
    connect(ui->cmdBqck, &QPushButton::clicked, this, &frmGemologyDisplay::cmdBqck_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &frmGemologyDisplay::mnuBack_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmGemologyDisplay::mnuExit_Click);
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
    GemologyReading kept;
    keepSunSign(kept, unbuiltFields);
    showSunSign(kept);
}

void frmGemologyDisplay::buildMoonSignTab(DeferredPage* page)
{
    moonUi = new Ui::GemologyMoonSignTab;
    moonUi->setupUi(page);
    ClipboardGuard::protect(moonUi->txtMoonSignAbout);
    GemologyReading kept;
    keepMoonSign(kept, unbuiltFields);
    showMoonSign(kept);
}

void frmGemologyDisplay::showSunSign(const GemologyReading& reading)
{
    if (!sunUi) {
        keepSunSign(unbuiltFields, reading);
        return;
    }
    showText(sunUi->lblSunSignYourSunSign, reading.sunSign);
    showText(sunUi->lblSunSignLuckyStone, reading.sunStone);
    showPicture(sunUi->picSunSign, ImglistSunSign, reading.sunSignPicture);
    showPicture(sunUi->picSunSignStone, ImgSunSignStone, reading.sunStonePicture);
    showText(sunUi->txtSunSignAbout, reading.sunText);
    showNote(sunUi->lblSunSignNote, reading.sunSignNote);
}

void frmGemologyDisplay::showMoonSign(const GemologyReading& reading)
{
    if (!moonUi) {
        keepMoonSign(unbuiltFields, reading);
        return;
    }
    showText(moonUi->lblMoonSignYourMoonSign, reading.moonSign);
    showText(moonUi->lblMoonSignLuckyStone, reading.moonStone);
    showPicture(moonUi->picMoonSign, imgListMoonSign, reading.moonSignPicture);
    showPicture(moonUi->picMoonSignStone, ImgMoonSignStone, reading.moonStonePicture);
    showText(moonUi->txtMoonSignAbout, reading.moonText);
    showNote(moonUi->lblMoonPosition, reading.moonPosition);
    showNote(moonUi->lblMoonSignMoment, reading.moonSignMoment);
    showNote(moonUi->lblMoonSignNote, reading.moonSignNote);
}

void frmGemologyDisplay::showReading(const GemologyReading& reading)
{
    showSunSign(reading);
    showMoonSign(reading);

    showText(ui->lblBirthStoneAvoidStone, reading.birthStone);
    showText(ui->txtBirthStoneAbout, reading.birthStoneText);
    showPicture(ui->picBirthStone, ImgBirthStone, reading.birthStonePicture);
}

// The report repeats the texts as the tabs show them. A tab not made yet will show the texts kept
// for it, so the report takes those and the tab is not made for it, unless a text is missing and
// the tab would show its own.
ReportTexts frmGemologyDisplay::reportTexts() const
{
    const GemologyReading& kept = unbuiltFields;
    if (!sunUi && !(kept.sunSign && kept.sunStone && kept.sunText))
        sunTab->build();
    if (!moonUi && !(kept.moonSign && kept.moonStone && kept.moonText))
        moonTab->build();
    ReportTexts texts;
    texts.birthStone = ui->lblBirthStoneAvoidStone->text();
    texts.birthStoneText = ui->txtBirthStoneAbout->toPlainText();
    const auto keptNote = [&texts](const std::optional<std::string>& note) {
        if (note && !note->empty())
            texts.notes.append(QString::fromStdString(*note));
    };
    const auto shownNote = [&texts](const QLabel* note) {
        if (!note->isHidden())
            texts.notes.append(note->text());
    };
    if (sunUi) {
        texts.sunSign = sunUi->lblSunSignYourSunSign->text();
        texts.sunStone = sunUi->lblSunSignLuckyStone->text();
        texts.sunText = sunUi->txtSunSignAbout->toPlainText();
        shownNote(sunUi->lblSunSignNote);
    } else {
        texts.sunSign = QString::fromStdString(*kept.sunSign);
        texts.sunStone = QString::fromStdString(*kept.sunStone);
        texts.sunText = QString::fromStdString(*kept.sunText);
        keptNote(kept.sunSignNote);
    }
    if (moonUi) {
        texts.moonSign = moonUi->lblMoonSignYourMoonSign->text();
        texts.moonStone = moonUi->lblMoonSignLuckyStone->text();
        texts.moonText = moonUi->txtMoonSignAbout->toPlainText();
        shownNote(moonUi->lblMoonSignMoment);
        shownNote(moonUi->lblMoonSignNote);
    } else {
        texts.moonSign = QString::fromStdString(*kept.moonSign);
        texts.moonStone = QString::fromStdString(*kept.moonStone);
        texts.moonText = QString::fromStdString(*kept.moonText);
        keptNote(kept.moonSignMoment);
        keptNote(kept.moonSignNote);
    }
    return texts;
}

void frmGemologyDisplay::Form_Load()
{
    Sub_Programs::placeAtTopCentre(this);
}

void frmGemologyDisplay::Form_Unload()
{
    Welcome_Panel::setVisible(true);
}

void frmGemologyDisplay::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void frmGemologyDisplay::cmdPrint_Click()
{
    if (auto* report = qobject_cast<QDialog*>(Sub_Programs::obtain(SubWindow::Report)))
        report->exec();
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
