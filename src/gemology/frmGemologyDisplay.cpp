#include "gemology/frmGemologyDisplay.h"

#include "gemology/gemology_pictures.h"
#include "shell/widgets/screen_fit.h"
#include "shell/sub_programs.h"
#include "shell/vendor_links.h"
#include "shell/widgets/clipboard_guard.h"
#include "ui_frmGemologyDisplay.h"

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

}  // namespace

frmGemologyDisplay::frmGemologyDisplay(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::frmGemologyDisplay)
{
    ui->setupUi(this);
    Scroll_Body(centralWidget());
    for (QPlainTextEdit* box : {ui->txtBirthStoneAbout, ui->txtSunSignAbout, ui->txtMoonSignAbout})
        ClipboardGuard::protect(box);
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
    delete ui;
}

void frmGemologyDisplay::showReading(const GemologyReading& reading)
{
    showText(ui->lblSunSignYourSunSign, reading.sunSign);
    showText(ui->lblSunSignLuckyStone, reading.sunStone);
    showPicture(ui->picSunSign, ImglistSunSign, reading.sunSignPicture);
    showPicture(ui->picSunSignStone, ImgSunSignStone, reading.sunStonePicture);
    showText(ui->txtSunSignAbout, reading.sunText);
    showNote(ui->lblSunSignNote, reading.sunSignNote);

    showText(ui->lblMoonSignYourMoonSign, reading.moonSign);
    showText(ui->lblMoonSignLuckyStone, reading.moonStone);
    showPicture(ui->picMoonSign, imgListMoonSign, reading.moonSignPicture);
    showPicture(ui->picMoonSignStone, ImgMoonSignStone, reading.moonStonePicture);
    showText(ui->txtMoonSignAbout, reading.moonText);
    showNote(ui->lblMoonPosition, reading.moonPosition);
    showNote(ui->lblMoonSignMoment, reading.moonSignMoment);
    showNote(ui->lblMoonSignNote, reading.moonSignNote);

    showText(ui->lblBirthStoneAvoidStone, reading.birthStone);
    showText(ui->txtBirthStoneAbout, reading.birthStoneText);
    showPicture(ui->picBirthStone, ImgBirthStone, reading.birthStonePicture);
}

ReportTexts frmGemologyDisplay::reportTexts() const
{
    ReportTexts texts{
        ui->lblBirthStoneAvoidStone->text(), ui->txtBirthStoneAbout->toPlainText(),
        ui->lblSunSignYourSunSign->text(),   ui->lblSunSignLuckyStone->text(),
        ui->txtSunSignAbout->toPlainText(),  ui->lblMoonSignYourMoonSign->text(),
        ui->lblMoonSignLuckyStone->text(),   ui->txtMoonSignAbout->toPlainText(),
        {},
    };
    for (const QLabel* note : {ui->lblSunSignNote, ui->lblMoonSignMoment, ui->lblMoonSignNote})
        if (!note->isHidden())
            texts.notes.append(note->text());
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
