#include "report/report_runs.h"

#include <variant>

namespace {

enum Emphasis { Off, On };
enum Ending { SameLine, BlankLine };

const QString Blank_Line_After = QStringLiteral("\r\n\r\n");

struct RunRow {
    Emphasis emphasis;
    RgbColour colour;
    std::variant<const char*, QString ReportTexts::*> text;  // fixed text or a reading value
    Ending ending;
};

using namespace Report_Colours;

const RunRow Report_Table[] = {
    {On,  Maroon, "Borth Stone",                    BlankLine},
    {Off, Green,  "Your Lucky Stone is : ",         SameLine},
    {Off, Red,    &ReportTexts::birthStone,         BlankLine},
    {Off, Green,  "More About Your Lucky Stone : ", SameLine},
    {Off, Red,    &ReportTexts::birthStoneText,     BlankLine},
    {On,  Maroon, "Gems and SunSign",               BlankLine},
    {Off, Green,  "Your Sun Sign Is : ",            SameLine},
    {Off, Red,    &ReportTexts::sunSign,            BlankLine},
    {Off, Green,  "Your Lucky Stone Is : ",         SameLine},
    {Off, Red,    &ReportTexts::sunStone,           BlankLine},
    {Off, Green,  "More About Your Lucky Stone : ", SameLine},
    {Off, Red,    &ReportTexts::sunText,            BlankLine},
    {On,  Maroon, "Gems and MoonSign",              BlankLine},
    {Off, Green,  "Your Moon Sign Is : ",           SameLine},
    {Off, Red,    &ReportTexts::moonSign,           BlankLine},
    {Off, Green,  "Your Lucky Stone Is : ",         SameLine},
    {Off, Red,    &ReportTexts::moonStone,          BlankLine},
    {Off, Green,  "More About Your Lucky Stone : ", SameLine},
    {Off, Red,    &ReportTexts::moonText,           BlankLine},
};

QString Row_Text(const RunRow& row, const ReportTexts& texts)
{
    if (const auto* fixed = std::get_if<const char*>(&row.text))
        return QString::fromLatin1(*fixed);
    return texts.*std::get<QString ReportTexts::*>(row.text);
}

}  // namespace

QList<TextRun> Build_Report_Runs(const ReportTexts& texts)
{
    QList<TextRun> runs;
    for (const RunRow& row : Report_Table) {
        QString text = Row_Text(row, texts);
        if (row.ending == BlankLine)
            text += Blank_Line_After;
        runs.append({text, row.colour, row.emphasis == On});
    }
    if (!texts.notes.isEmpty()) {
        runs.append({QStringLiteral("Notes On Your Reading") + Blank_Line_After, Maroon, true});
        for (const QString& note : texts.notes)
            runs.append({note + Blank_Line_After, Red, false});
    }
    return runs;
}
