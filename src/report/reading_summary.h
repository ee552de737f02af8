#pragma once
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"
#include "report/report_runs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One line of the birth details: "Born", "15 January 1980".
struct SummaryFact {
    QString label;
    QString value;

    bool operator==(const SummaryFact&) const = default;
};

// What a reading's PDF shows at a glance besides the report's texts: the person as entered,
// the birth details and the zone the reading used, and the drawings of the results ("stones/garnet";
// empty when the reading has none).
struct ReadingSummary {
    QString name;
    QList<SummaryFact> facts;
    QString birthStonePicture;
    QString sunSignPicture;
    QString sunStonePicture;
    QString moonSignPicture;
    QString moonStonePicture;
};

// The summary of a reading shown and the birth data it was made from, when known.
ReadingSummary Reading_Summary_Of(const std::optional<BirthData>& birth, const GemologyReading& reading);

// One of the three results at a glance: its heading, what the reading found and its drawing (the
// stone's or the sign's), and for a sign its lucky stone and that stone's drawing.
struct SummaryResult {
    QString heading;
    QString value;
    QString picture;
    QString luckyStone;
    QString luckyStonePicture;

    bool operator==(const SummaryResult&) const = default;
};

// The birth-month stone, the sun sign and the moon sign, in that order.
QList<SummaryResult> Summary_Results(const ReportTexts& texts, const ReadingSummary& summary);

// "Gemology reading for ADA"; "Gemology reading" when no name is known.
QString Reading_Title(const ReadingSummary& summary);
