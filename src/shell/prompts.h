#pragma once
#include <QString>

class QWidget;
class QPrinter;

// The program's title, shown as the caption of every message box and dialog.
inline const QString Program_Title = QStringLiteral("Zev Gemmarium");

// Every message box, question, save dialog and printer dialog of the program goes through
// this one interface, so tests can answer them without a person at the screen.
class Prompts {
public:
    enum class Icon { Information, Error };
    enum class Answer { First, Second, None };

    struct SaveRequest {
        QString filter;         // e.g. "Rich Text Format (*.rtf)"
        QString defaultSuffix;  // added when the typed name has none
    };

    virtual ~Prompts() = default;

    // A modal box with one OK button.
    virtual void showMessage(QWidget* parent, const QString& text, Icon icon) = 0;
    // A modal Yes/No question with the information icon; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // A modal question with two named answers; None when closed without either.
    virtual Answer askWhich(QWidget* parent, const QString& text, const QString& first, const QString& second) = 0;
    // The save dialog (confirms overwriting); an empty path when cancelled.
    virtual QString askSavePath(QWidget* parent, const SaveRequest& request) = 0;
    // The open dialog for an existing file of that filter; an empty path when cancelled.
    virtual QString askOpenPath(QWidget* parent, const QString& filter) = 0;
    // The printer dialog, preset to the selection when there is one; false when cancelled.
    virtual bool askPrinter(QWidget* parent, QPrinter& printer, bool hasSelection) = 0;

    // The prompts in force: Qt's own dialogs unless a test installed others.
    static Prompts& current();
    // Installs other prompts (not owned); nullptr puts Qt's dialogs back.
    static void install(Prompts* prompts);
};
