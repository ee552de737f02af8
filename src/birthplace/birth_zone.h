#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

// The clock of a time zone at one moment, from the IANA history of the zone.
struct ZoneClock {
    int offsetSeconds = 0;    // east of Greenwich, daylight saving included
    int standardSeconds = 0;  // the offset without daylight saving
    int daylightSeconds = 0;  // what daylight saving adds (negative in a few zones)
    QString abbreviation;          // "CEST"; tzdata writes some as numbers ("+0545")
    QString standardAbbreviation;  // the zone's standard-time abbreviation at that date ("CET")
    bool localMeanTime = false;    // the zone still kept the local mean time of its principal city
};

// What a local date and clock time were at a place whose zone has that IANA name.
struct ZoneAtMoment {
    enum class Kind {
        once,         // the time happened once: `clocks` holds one entry
        skipped,      // the clocks were put forward over it
        twice,        // the clocks were put back over it: the earlier, then the later
        unknownZone,  // the system's time-zone data cannot give the zone's clock
    };
    Kind kind = Kind::unknownZone;
    std::vector<ZoneClock> clocks;
    // For skipped and twice: the local clock times of the change ("from 02:00 to 03:00"), and
    // the local dates they were on (a whole day skipped goes from one midnight to the next).
    QTime changedFrom;
    QTime changedTo;
    QDate changedFromDate;
    QDate changedToDate;

    // Whether the clocks skipped the whole of the day (Apia's 30 December 2011).
    bool skippedWholeDay(QDate day) const;
};

// Whether the system's time-zone data can give the clock of the zone with that IANA name: any
// zone QTimeZone loads, links to other zones included ("Europe/Kiev").
bool Zone_Is_Known(const QByteArray& zoneId);

// The zone's clock for a local date and time, found from the zone's transitions (QDateTime
// alone would quietly move a skipped time or pick one of a repeated one).
ZoneAtMoment Zone_At_Moment(const QByteArray& zoneId, QDate date, QTime time);

// How the reading takes a zone clock at a place: a row of the zone list with the daylight-
// saving box where the row's offset and one hour of daylight saving give the clock exactly
// (or a row of the whole offset, such as double summer time), otherwise the exact offset. A local mean time is the place's own, from its longitude.
struct ZoneChoice {
    std::optional<int> row;  // position in the zone list; none: the exact offset is used
    bool daylightSaving = false;  // daylight saving was in force
    bool rowWithoutSaving = false;  // the row gives the whole offset, so the box stays clear
    int offsetMinutes = 0;   // what the reading uses, east of Greenwich, seconds rounded
    bool localMeanTime = false;

    // Whether the daylight-saving box goes with the row.
    bool boxTicked() const { return row && daylightSaving && !rowWithoutSaving; }
};

// `longitudeMinutes` is the birth place's longitude in minutes of arc, East positive.
ZoneChoice Zone_Choice(const ZoneClock& clock, int longitudeMinutes);

// The offset of a zone list row in minutes east of Greenwich, and its abbreviation ("CET").
int Zone_Row_Offset_Minutes(int row);
QString Zone_Row_Abbreviation(int row);
