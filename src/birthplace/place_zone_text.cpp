#include "birthplace/place_zone_text.h"

#include "text/calendar_text.h"
#include "birthplace/zone_table.h"
#include "shell/table_text.h"

#include <algorithm>

namespace {

QString Moment_Heading(const PlaceMoment& moment)
{
    return QStringLiteral("%1, %2 %3").arg(moment.place, Date_Text(moment.date), Clock_Text(moment.time));
}

QString Row_Text(int row)
{
    return To_QString(Zone_List_Texts().at(static_cast<std::size_t>(row)));
}

QString Once_Text(const PlaceMoment& moment, const ZoneClock& clock)
{
    const ZoneChoice choice = Zone_Choice(clock, moment.longitudeMinutes);
    QString name = choice.localMeanTime
                       ? QStringLiteral("local mean time at ") + Degrees_Minutes_Text(moment.longitudeMinutes, u'E', u'W')
                       : Zone_Clock_Name(clock);
    if (!name.isEmpty())
        name += QStringLiteral(", ");
    QString text = QStringLiteral("%1: %2%3").arg(Moment_Heading(moment), name, Utc_Offset_Text(choice.offsetMinutes));
    if (!choice.localMeanTime)
        text += choice.daylightSaving ? QStringLiteral(" (daylight saving)") : QStringLiteral(" (standard time)");
    if (!choice.row)
        return text + QStringLiteral(" — no zone in the list has this offset; the reading uses it as it is");
    text += QStringLiteral(" — zone “%1”").arg(Row_Text(*choice.row));
    return choice.boxTicked() ? text + QStringLiteral(" with Daylight Saving Time") : text;
}

QString Change_Text(const ZoneAtMoment& zone)
{
    return QStringLiteral("from %1 to %2").arg(Clock_Text(zone.changedFrom), Clock_Text(zone.changedTo));
}

// "29 to 31 December", "30 December 1994 to 1 January 1995": the last day before the clocks
// jumped and the day they jumped to, each written as fully as needed to tell them apart.
QString Day_Span_Text(QDate from, QDate to)
{
    if (from.year() != to.year())
        return QStringLiteral("%1 to %2").arg(Date_Text(from), Date_Text(to));
    const QString first = Date_Text(from).section(u' ', 0, from.month() == to.month() ? 0 : 1);
    return QStringLiteral("%1 to %2").arg(first, Date_Text(to).section(u' ', 0, 1));
}

// "30 December 2011 did not exist in Apia: the clocks went from 29 to 31 December."
QString Missing_Day_Text(const PlaceMoment& moment, const ZoneAtMoment& zone)
{
    const QDate lastBefore = zone.changedFrom == QTime(0, 0) ? zone.changedFromDate.addDays(-1) : zone.changedFromDate;
    return QStringLiteral("%1 did not exist in %2: the clocks went from %3.")
        .arg(Date_Text(moment.date), moment.place, Day_Span_Text(lastBefore, zone.changedToDate));
}

}  // namespace

QString Utc_Offset_Text(int offsetMinutes)
{
    const int size = std::abs(offsetMinutes);
    return QStringLiteral("UTC%1%2:%3")
        .arg(QChar(offsetMinutes < 0 ? u'−' : u'+'))
        .arg(size / 60, 2, 10, QLatin1Char('0'))
        .arg(size % 60, 2, 10, QLatin1Char('0'));
}

QString Zone_Clock_Name(const ZoneClock& clock)
{
    if (clock.localMeanTime)
        return QStringLiteral("local mean time");
    const bool named = !clock.abbreviation.isEmpty()
                       && std::all_of(clock.abbreviation.begin(), clock.abbreviation.end(),
                                      [](QChar c) { return c.isLetter(); });
    return named ? clock.abbreviation : QString();
}

QString Hand_Zone_Name(int row, bool daylightSaving)
{
    const QString name = Zone_Row_Abbreviation(row);
    return daylightSaving ? name + QStringLiteral(" with daylight saving") : name;
}

QString Place_Zone_Text_Without_Place()
{
    return QStringLiteral("The reading uses the zone and the daylight-saving box as you set them. Choose the birth "
                          "place from the list under City to have its zone found for the birth moment.");
}

QString Place_Zone_Text_Without_Atlas(const QString& problem)
{
    return QStringLiteral("The place atlas could not be read: %1. Type the birth place's latitude and longitude, "
                          "and choose its zone and the daylight-saving box by hand.").arg(problem);
}

QString Place_Zone_Text_By_Hand(const QString& place)
{
    return QStringLiteral("%1: zone chosen by hand; the reading uses the zone and the daylight-saving box as you "
                          "set them.").arg(place);
}

QString Place_Zone_Text_Without_Date(const QString& place)
{
    return QStringLiteral("%1: choose a day that the month has, and the zone of the birth moment is found.").arg(place);
}

QString Place_Zone_Text(const PlaceMoment& moment, const ZoneAtMoment& zone)
{
    switch (zone.kind) {
    case ZoneAtMoment::Kind::once:
        return Once_Text(moment, zone.clocks.front());
    case ZoneAtMoment::Kind::skipped:
        if (zone.skippedWholeDay(moment.date))
            return Missing_Day_Text(moment, zone) + QStringLiteral(" Please check the date of birth.");
        return QStringLiteral("%1: this time did not exist there — the clocks went %2. Please check the time of "
                              "birth.").arg(Moment_Heading(moment), Change_Text(zone));
    case ZoneAtMoment::Kind::twice:
        return QStringLiteral("%1: this time happened twice — the clocks went back %2; the reading will ask which "
                              "one was meant.").arg(Moment_Heading(moment), Change_Text(zone));
    case ZoneAtMoment::Kind::unknownZone:
        break;
    }
    return QStringLiteral("%1: this computer's time-zone data do not know the place's zone; the reading uses the "
                          "zone and the daylight-saving box as you set them.").arg(moment.place);
}

QString Skipped_Time_Message(const PlaceMoment& moment, const ZoneAtMoment& zone)
{
    if (zone.skippedWholeDay(moment.date))
        return Missing_Day_Text(moment, zone);
    return QStringLiteral("On %1 the clocks in %2 went %3: %4 did not exist there. Please check the time of birth.")
        .arg(Date_Text(moment.date), moment.place, Change_Text(zone), Clock_Text(moment.time));
}

QString Repeated_Time_Question(const PlaceMoment& moment, const ZoneAtMoment& zone)
{
    const auto clockText = [&](std::size_t which) {
        const ZoneClock& clock = zone.clocks.at(which);
        QString name = Zone_Clock_Name(clock);
        if (!name.isEmpty())
            name += QStringLiteral(", ");
        return QStringLiteral("%1 (%2%3)")
            .arg(clock.daylightSeconds != 0 ? QStringLiteral("in daylight saving time") : QStringLiteral("in standard time"),
                 name, Utc_Offset_Text(Nearest_Minute(clock.offsetSeconds / 60.0)));
    };
    return QStringLiteral("On %1 the clocks in %2 went back %3, so %4 happened twice there: first %5, then %6. "
                          "Which one was the time of birth?")
        .arg(Date_Text(moment.date), moment.place, Change_Text(zone), Clock_Text(moment.time), clockText(0),
             clockText(1));
}

QString Repeated_Time_Answer(const ZoneAtMoment& zone, int which)
{
    const QString name = Zone_Clock_Name(zone.clocks.at(static_cast<std::size_t>(which)));
    const QString answer = which == 0 ? QStringLiteral("The first") : QStringLiteral("The second");
    return name.isEmpty() ? answer : QStringLiteral("%1 (%2)").arg(answer, name);
}

namespace {
// "04:30 CEST (UTC+02:00), 02:30 Universal Time".
QString Clock_And_Universal_Text(QTime born, const QString& zoneName, double universalHours)
{
    const double localHours = born.hour() + born.minute() / 60.0;
    const int offsetMinutes = Nearest_Minute((localHours - universalHours) * 60.0);
    const int universalMinutes = Nearest_Minute(universalHours * 60.0);
    const int day = universalMinutes >= 0 ? universalMinutes / 1440 : -((-universalMinutes + 1439) / 1440);
    const QTime universal = QTime(0, 0).addSecs((universalMinutes - day * 1440) * 60);
    QString text = Clock_Text(born) + u' ';
    if (!zoneName.isEmpty())
        text += zoneName + u' ';
    text += QStringLiteral("(%1), %2 Universal Time").arg(Utc_Offset_Text(offsetMinutes), Clock_Text(universal));
    if (day < 0)
        text += QStringLiteral(" of the day before");
    else if (day > 0)
        text += QStringLiteral(" of the next day");
    return text;
}
}  // namespace

QString Birth_Moment_Text(QTime born, const QString& zoneName, double universalHours)
{
    return QStringLiteral("Born ") + Clock_And_Universal_Text(born, zoneName, universalHours);
}

QString Noon_Moment_Text(const QString& zoneName, double universalHours)
{
    return QStringLiteral("Time of birth not known, taken as noon: ") + Clock_And_Universal_Text(QTime(12, 0), zoneName, universalHours);
}
