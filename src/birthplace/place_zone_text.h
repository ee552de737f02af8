#pragma once
#include "birthplace/birth_zone.h"

#include <QDate>
#include <QString>
#include <QTime>

// A birth place of the atlas and the local date and clock time entered for it.
struct PlaceMoment {
    QString place;  // "Madrid"
    QDate date;
    QTime time;
    int longitudeMinutes = 0;  // minutes of arc, East positive
};

// "UTC+05:45", "UTC−04:30".
QString Utc_Offset_Text(int offsetMinutes);
// How a zone clock is named for the user: its abbreviation, "local mean time", or nothing
// where the zone data write it as a number.
QString Zone_Clock_Name(const ZoneClock& clock);
// A zone row and box set by hand, named the same way: "CET with daylight saving".
QString Hand_Zone_Name(int row, bool daylightSaving);

// What the label under the zone frame says the reading will use.
QString Place_Zone_Text_Without_Place();
// `problem` says why the atlas could not be read ("the atlas library libgeonames is missing").
QString Place_Zone_Text_Without_Atlas(const QString& problem);
QString Place_Zone_Text_By_Hand(const QString& place);
QString Place_Zone_Text_Without_Date(const QString& place);
QString Place_Zone_Text(const PlaceMoment& moment, const ZoneAtMoment& zone);

// The refusal of a local time that the clocks skipped, and the question for one they repeated,
// with its two answers: the earlier clock first.
QString Skipped_Time_Message(const PlaceMoment& moment, const ZoneAtMoment& zone);
QString Repeated_Time_Question(const PlaceMoment& moment, const ZoneAtMoment& zone);
QString Repeated_Time_Answer(const ZoneAtMoment& zone, int which);

// "Born 04:30 CEST (UTC+02:00), 02:30 Universal Time": the birth time with the zone the
// reading used and the Universal Time it gave (in hours from the local date's midnight).
QString Birth_Moment_Text(QTime born, const QString& zoneName, double universalHours);
// "Time of birth not known, taken as noon: 12:00 CEST (UTC+02:00), 10:00 Universal Time": the
// same for a birth whose time is not known, which the reading takes at noon.
QString Noon_Moment_Text(const QString& zoneName, double universalHours);
