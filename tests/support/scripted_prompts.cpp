#include "support/scripted_prompts.h"

#include <QPrinter>

bool ScriptedPrompts::askYesNo(QWidget*, const QString& text)
{
    questions.append(text);
    return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
}

Prompts::Answer ScriptedPrompts::askWhich(QWidget*, const QString& text, const QString& first, const QString& second)
{
    questions.append(text);
    whichChoices.append(first + QStringLiteral(" | ") + second);
    return whichAnswers.isEmpty() ? Answer::None : whichAnswers.takeFirst();
}

QString ScriptedPrompts::askSavePath(QWidget*, const SaveRequest& request)
{
    saveRequests.append(request);
    return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
}

QString ScriptedPrompts::askOpenPath(QWidget*, const QString& filter)
{
    openFilters.append(filter);
    return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
}

bool ScriptedPrompts::askPrinter(QWidget*, QPrinter& printer, bool hasSelection)
{
    printerSelectionPresets.append(hasSelection);
    printJobNames.append(printer.docName());
    if (printToPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
    if (printFirstPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(printFirstPage, printLastPage);
    }
    return true;
}
