#pragma once
#include "shell/prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

// Prompts that a test scripts: every message and question is recorded, questions and dialogs
// are answered from queues (Yes, a save path, printer accepted) and fall back to "cancel".
// Installed for its lifetime.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        QString text;
        Icon icon;
    };

    ScriptedPrompts() { Prompts::install(this); }
    ~ScriptedPrompts() override { Prompts::install(nullptr); }

    void showMessage(QWidget*, const QString& text, Icon icon) override { messages.append({text, icon}); }
    bool askYesNo(QWidget*, const QString& text) override;
    Answer askWhich(QWidget*, const QString& text, const QString& first, const QString& second) override;
    QString askSavePath(QWidget*, const SaveRequest& request) override;
    QString askOpenPath(QWidget*, const QString& filter) override;
    bool askPrinter(QWidget*, QPrinter& printer, bool hasSelection) override;

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.constLast().text; }

    QList<Shown> messages;
    QStringList questions;
    QList<bool> yesNoAnswers;       // taken from the front; No when empty
    QList<Answer> whichAnswers;     // taken from the front; None when empty
    QStringList whichChoices;       // the two answers offered, as "first | second"
    QStringList savePaths;          // taken from the front; cancelled when empty
    QList<SaveRequest> saveRequests;
    QStringList openPaths;          // taken from the front; cancelled when empty
    QStringList openFilters;
    QString printToPdf;             // when set, the printer dialog is accepted and prints to this PDF
    QList<bool> printerSelectionPresets;
    QStringList printJobNames;      // the name each print job was given
    int printFirstPage = 0;         // when set, the pages from it to printLastPage are printed
    int printLastPage = 0;
};
