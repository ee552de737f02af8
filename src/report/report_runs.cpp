#include "report/report_runs.h"

#include <initializer_list>

namespace {

const QString Blank_Line_After = QStringLiteral("\r\n\r\n");

using namespace Report_Colours;

// One line of a section: a label and the reading's value after it on the same line.
struct LabelledValue {
    const char* label;
    QString ReportTexts::*value;
};

// A section of the report: a heading, then its labelled values.
struct Section {
    const char* heading;
    std::initializer_list<LabelledValue> lines;
};

const Section Report_Sections[] = {
    {"Borth Stone",
     {{"Your Lucky Stone is : ", &ReportTexts::birthStone},
      {"More About Your Lucky Stone : ", &ReportTexts::birthStoneText}}},
    {"Gems and SunSign",
     {{"Your Sun Sign Is : ", &ReportTexts::sunSign},
      {"Your Lucky Stone Is : ", &ReportTexts::sunStone},
      {"More About Your Lucky Stone : ", &ReportTexts::sunText}}},
    {"Gems and MoonSign",
     {{"Your Moon Sign Is : ", &ReportTexts::moonSign},
      {"Your Lucky Stone Is : ", &ReportTexts::moonStone},
      {"More About Your Lucky Stone : ", &ReportTexts::moonText}}},
};

// Headings are bold maroon, labels green and values red; a heading and a value end with a
// blank line, a label runs on into its value.
void Append_Heading(QList<TextRun>& runs, const QString& heading)
{
    runs.append({heading + Blank_Line_After, Maroon, true});
}

void Append_Value(QList<TextRun>& runs, const QString& value)
{
    runs.append({value + Blank_Line_After, Red, false});
}

}  // namespace

QList<TextRun> Build_Report_Runs(const ReportTexts& texts)
{
    QList<TextRun> runs;
    for (const Section& section : Report_Sections) {
        Append_Heading(runs, QString::fromLatin1(section.heading));
        for (const LabelledValue& line : section.lines) {
            runs.append({QString::fromLatin1(line.label), Green, false});
            Append_Value(runs, texts.*line.value);
        }
    }
    if (!texts.notes.isEmpty()) {
        Append_Heading(runs, QStringLiteral("Notes On Your Reading"));
        for (const QString& note : texts.notes)
            Append_Value(runs, note);
    }
    return runs;
}
