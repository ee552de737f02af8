#pragma once
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"
#include "gemology/reading_sequence.h"
#include "report/report_runs.h"

// The report's three colours: headings, labels and values.
constexpr RgbColour Maroon{128, 0, 0};
constexpr RgbColour Green{0, 128, 0};
constexpr RgbColour Red{255, 0, 0};

// A real reading for someone born on 15 January 1980 at noon in Greenwich.
inline GemologyReading January_Reading()
{
    BirthData birth;
    birth.name = QStringLiteral("ADA");
    birth.month = 1;
    birth.day = 15;
    birth.year = 1980;
    birth.hour = 12;
    return Make_Gemology_Reading(birth);
}

inline QString Report_Text(const std::optional<std::string>& field)
{
    return QString::fromStdString(field.value_or(std::string()));
}

// The eight report texts of a reading.
inline ReportTexts Report_Texts_Of(const GemologyReading& reading)
{
    return {Report_Text(reading.birthStone), Report_Text(reading.birthStoneText),
            Report_Text(reading.sunSign),    Report_Text(reading.sunStone),
            Report_Text(reading.sunText),    Report_Text(reading.moonSign),
            Report_Text(reading.moonStone),  Report_Text(reading.moonText),
            {}};
}
