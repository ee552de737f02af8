#include "shell/prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QWindow>

namespace {

// Every dialog is made without a parent widget, a window of its own: the file and printer
// dialogs keep the desktop's look, the message boxes wear the program's theme.
// It still belongs to the asking window: it stays above it and blocks the program while open.
void belongTo(QDialog& dialog, QWidget* asking)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!asking)
        return;
    dialog.winId();
    if (QWindow* owner = asking->window()->windowHandle())
        dialog.windowHandle()->setTransientParent(owner);
}

class DialogPrompts final : public Prompts {
public:
    void showMessage(QWidget* parent, const QString& text, Icon icon) override
    {
        QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information,
                        Program_Title, text, QMessageBox::Ok);
        belongTo(box, parent);
        box.exec();
    }

    bool askYesNo(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::Information, Program_Title, text,
                        QMessageBox::Yes | QMessageBox::No);
        belongTo(box, parent);
        return box.exec() == QMessageBox::Yes;
    }

    Answer askWhich(QWidget* parent, const QString& text, const QString& first, const QString& second) override
    {
        QMessageBox box(QMessageBox::Question, Program_Title, text, QMessageBox::NoButton, parent);
        QPushButton* firstButton = box.addButton(first, QMessageBox::AcceptRole);
        QPushButton* secondButton = box.addButton(second, QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        // Answers are longer than "OK": they get room for their whole text and the buttons' padding.
        for (QPushButton* button : {firstButton, secondButton})
            button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 48);
        box.exec();
        return box.clickedButton() == firstButton    ? Answer::First
               : box.clickedButton() == secondButton ? Answer::Second
                                                     : Answer::None;
    }

    QString askSavePath(QWidget* parent, const SaveRequest& request) override
    {
        QFileDialog dialog(nullptr, Program_Title,
                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), request.filter);
        belongTo(dialog, parent);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString askOpenPath(QWidget* parent, const QString& filter) override
    {
        QFileDialog dialog(nullptr, Program_Title,
                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
        belongTo(dialog, parent);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    bool askPrinter(QWidget* parent, QPrinter& printer, bool hasSelection) override
    {
        QPrintDialog dialog(&printer);
        belongTo(dialog, parent);
        dialog.setWindowTitle(Program_Title);
        // Pages from and to, which the document's printing honours on every printer (the dialog
        // would otherwise offer them for the print server alone, and a file would ignore them).
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
        dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                          : QAbstractPrintDialog::AllPages);
        return dialog.exec() == QDialog::Accepted;
    }
};

Prompts* installed = nullptr;

}  // namespace

Prompts& Prompts::current()
{
    static DialogPrompts dialogs;
    return installed ? *installed : dialogs;
}

void Prompts::install(Prompts* prompts)
{
    installed = prompts;
}
