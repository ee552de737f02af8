#include "report/frmGemologySave.h"

#include "report/reading_pdf.h"
#include "report/report_document.h"
#include "report/report_file.h"
#include "report/report_links.h"
#include "report/rtf_writer.h"
#include "shell/prompts.h"
#include "shell/sub_programs.h"
#include "shell/vendor_links.h"
#include "shell/widgets/clipboard_guard.h"
#include "ui_frmGemologySave.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>

namespace {

const RtfFont Report_Font{QStringLiteral("Verdana"), 9.75};

QFont boxFont()
{
    QFont font;
    font.setFamilies({Report_Font.name, QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(Report_Font.pointSize);
    return font;
}

}  // namespace

frmGemologySave::frmGemologySave(const ReportTexts& texts, QWidget* parent)
    : frmGemologySave(texts, ReadingSummary(), parent)
{
}

frmGemologySave::frmGemologySave(const ReportTexts& texts, const ReadingSummary& summary, QWidget* parent)
    : QDialog(parent), ui(new Ui::frmGemologySave), texts(texts), summary(summary), runs(Build_Report_Runs(texts))
{
    ui->setupUi(this);
    ui->RTB->setFont(boxFont());
    // The report is longer than its box: with the scroll bar there from the start, the report is
    // laid out once, at the width it is read at, not once more when the bar appears.
    ui->RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The report is read with the keyboard's caret as well as the mouse, from its start.
    ui->RTB->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    ClipboardGuard::protect(ui->RTB);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmGemologySave::cmdSave_Click);
    connect(ui->cmdSavePdf, &QPushButton::clicked, this, &frmGemologySave::cmdSavePdf_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmGemologySave::cmdPrint_Click);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, ui->cmdSave, &QPushButton::click);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, ui->cmdPrint, &QPushButton::click);
    Connect_Vendor_Links(this);
    Form_Load();
}

frmGemologySave::~frmGemologySave()
{
    delete ui;
}

void frmGemologySave::Form_Load()
{
    Sub_Programs::placeAtTopCentre(this);
    Hook_RichText_Links();
    Build_Report();
}

void frmGemologySave::Form_Unload()
{
    Unhook_RichText_Links();
}

void frmGemologySave::done(int result)
{
    setResult(result);
    close();
}

void frmGemologySave::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QDialog::done(result());
    event->accept();
}

// The reader starts at the report's first line, where the caret is. From then on the scroll bar
// shows only while it is needed.
void frmGemologySave::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui->RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ui->RTB->verticalScrollBar()->setValue(0);
}

void frmGemologySave::Build_Report()
{
    ui->RTB->clear();
    QTextCursor cursor(ui->RTB->document());
    cursor.beginEditBlock();  // the report is laid out once, when it is whole
    Insert_Report_Runs(cursor, runs);
    cursor.endEditBlock();
    // Each line keeps the glyphs its layout shaped, so painting does not shape them again.
    for (QTextBlock block = ui->RTB->document()->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    ui->RTB->moveCursor(QTextCursor::Start);
}

void frmGemologySave::cmdSave_Click()
{
    const QString chosen = Prompts::current().askSavePath(
        this, {QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("rtf")});
    if (!chosen.isEmpty())
        saveAs(chosen, QStringLiteral("rtf"), [this] { return Write_Rtf(runs, Report_Font); });
}

void frmGemologySave::cmdSavePdf_Click()
{
    const QString chosen = Prompts::current().askSavePath(this, {QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf")});
    if (!chosen.isEmpty())
        saveAs(chosen, QStringLiteral("pdf"), [this] { return Reading_Pdf(texts, summary, boxFont(), Paper_Of(QLocale())); });
}

void frmGemologySave::saveAs(const QString& chosen, const QString& suffix, const std::function<QByteArray()>& content)
{
    const QString path = With_Default_Suffix(chosen, suffix);
    QString shownName = path;
    std::optional<QString> failure;
    if (Names_A_Folder(chosen) || Names_A_Folder(path)) {
        shownName = chosen;
        failure = QStringLiteral("That name is a folder. Type a name for the file.");
    } else if (const QByteArray made = content(); made.isEmpty()) {
        failure = QStringLiteral("The file could not be made.");
    } else {
        failure = Write_Whole_File(path, made);
    }
    if (failure) {
        Prompts::current().showMessage(
            this,
            QStringLiteral("The report could not be saved as \"%1\".\n\n%2").arg(QDir::toNativeSeparators(shownName), *failure),
            Prompts::Icon::Error);
    }
}

void frmGemologySave::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    // The print queue names the job after the person read for, when the reading has one.
    const QString job = QStringLiteral("Zev Gemmarium \u2013 Gemology report");
    printer.setDocName(summary.name.isEmpty() ? job : job + QStringLiteral(" for ") + summary.name);
    const QTextCursor selection = ui->RTB->textCursor();
    if (!Prompts::current().askPrinter(this, printer, selection.hasSelection()))
        return;
    if (selection.hasSelection() && printer.printRange() == QPrinter::Selection) {
        QTextDocument part;
        part.setDefaultFont(ui->RTB->document()->defaultFont());
        QTextCursor(&part).insertFragment(selection.selection());
        part.print(&printer);
    } else {
        ui->RTB->document()->print(&printer);
    }
    if (printer.printerState() == QPrinter::Error)
        Prompts::current().showMessage(this, QStringLiteral("The report could not be printed."),
                                       Prompts::Icon::Error);
}

void frmGemologySave::Hook_RichText_Links()
{
    ui->RTB->viewport()->setMouseTracking(true);
    ui->RTB->viewport()->installEventFilter(this);
}

void frmGemologySave::Unhook_RichText_Links()
{
    ui->RTB->viewport()->removeEventFilter(this);
}

bool frmGemologySave::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->RTB->viewport())
        RichText_Link_Proc(event);
    return QDialog::eventFilter(watched, event);
}

void frmGemologySave::RichText_Link_Proc(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove)
        return;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QString link = ui->RTB->anchorAt(mouse->position().toPoint());
    if (event->type() == QEvent::MouseMove) {
        ui->RTB->viewport()->setCursor(link.isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
        return;
    }
    if (mouse->button() != Qt::LeftButton || link.isEmpty())
        return;
    if (const QUrl address = Address_To_Open(link); !address.isEmpty())
        QDesktopServices::openUrl(address);
}
