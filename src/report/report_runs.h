#pragma once
#include "report/text_run.h"

// The eight texts of a reading that the report repeats, as the display window shows them.
struct ReportTexts {
    QString birthStone;
    QString birthStoneText;
    QString sunSign;
    QString sunStone;
    QString sunText;
    QString moonSign;
    QString moonStone;
    QString moonText;
    // Notes the display shows beside the reading (the moment and zone the reading used, the
    // Moon's change of sign, the Sun's cusp), in the order shown; empty when it shows none.
    QStringList notes;
};

// The colours of the report, from the 16-colour palette.
namespace Report_Colours {
inline constexpr RgbColour Maroon{128, 0, 0};  // palette entry 4: headings
inline constexpr RgbColour Green{0, 128, 0};   // palette entry 2: labels
inline constexpr RgbColour Red{255, 0, 0};     // palette entry 12: the reading's values
}

// The report's nineteen runs for the texts of a reading: three bold headings, each followed by
// its labels and values. The texts go in as they stand. When the reading has notes, a closing
// section follows: a heading like the others, then each note in the values' colour.
QList<TextRun> Build_Report_Runs(const ReportTexts& texts);
