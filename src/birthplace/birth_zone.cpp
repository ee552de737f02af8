#include "birthplace/birth_zone.h"

#include "birthplace/zone_table.h"
#include "shell/table_text.h"
#include "text/calendar_text.h"

#include <QTimeZone>

#include <algorithm>

namespace {

constexpr qint64 Day_Seconds = 24 * 3600;
// No zone is further than this from Greenwich, so a day either side holds every candidate.
constexpr qint64 Search_Margin = Day_Seconds + 3600;

// The abbreviation of the zone's standard time nearest before the moment, else after it.
QString Standard_Abbreviation(const QTimeZone& zone, const QTimeZone::OffsetData& at)
{
    if (at.daylightTimeOffset == 0)
        return at.abbreviation;
    const auto isStandard = [&](const QTimeZone::OffsetData& data) {
        return data.atUtc.isValid() && data.daylightTimeOffset == 0 && data.offsetFromUtc == at.standardTimeOffset;
    };
    QTimeZone::OffsetData earlier = zone.previousTransition(at.atUtc);
    for (int step = 0; step < 400 && earlier.atUtc.isValid(); ++step) {
        if (isStandard(earlier))
            return earlier.abbreviation;
        earlier = zone.previousTransition(earlier.atUtc);
    }
    QTimeZone::OffsetData later = zone.nextTransition(at.atUtc);
    for (int step = 0; step < 400 && later.atUtc.isValid(); ++step) {
        if (isStandard(later))
            return later.abbreviation;
        later = zone.nextTransition(later.atUtc);
    }
    return {};
}

ZoneClock Clock_Of(const QTimeZone& zone, const QDateTime& utc)
{
    const QTimeZone::OffsetData data = zone.offsetData(utc);
    ZoneClock clock;
    clock.offsetSeconds = data.offsetFromUtc;
    clock.standardSeconds = data.standardTimeOffset;
    clock.daylightSeconds = data.daylightTimeOffset;
    clock.abbreviation = data.abbreviation;
    clock.standardAbbreviation = Standard_Abbreviation(zone, data);
    clock.localMeanTime = data.abbreviation == QLatin1String("LMT");
    // A few zones write their winter time as a negative saving (Dublin's GMT against its
    // summer IST); to the user and to the zone list that is standard time.
    if (clock.daylightSeconds < 0) {
        clock.standardSeconds = clock.offsetSeconds;
        clock.daylightSeconds = 0;
        clock.standardAbbreviation = clock.abbreviation;
    }
    return clock;
}

QDateTime Local_Clock(qint64 utcSeconds, int offsetSeconds)
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds + offsetSeconds, Qt::UTC);
}

// No clock is further than this from Greenwich; an offset beyond it (a zone that gives none,
// as QTimeZone's own "UTC" does) is no clock at all.
bool Is_Clock_Offset(int offsetSeconds)
{
    return std::abs(offsetSeconds) <= 18 * 3600;
}

// The row with that offset named like the abbreviation, else the first row with the offset.
std::optional<int> Zone_Row_Named(int offsetMinutes, const QString& abbreviation)
{
    std::optional<int> firstRow;
    const int rows = static_cast<int>(Zone_List_Texts().size());
    for (int row = 0; row < rows; ++row) {
        if (Zone_Row_Offset_Minutes(row) != offsetMinutes)
            continue;
        if (Zone_Row_Abbreviation(row) == abbreviation)
            return row;
        if (!firstRow)
            firstRow = row;
    }
    return firstRow;
}

}  // namespace

ZoneAtMoment Zone_At_Moment(const QByteArray& zoneId, QDate date, QTime time)
{
    ZoneAtMoment found;
    if (zoneId.isEmpty())
        return found;
    const QTimeZone zone(zoneId);
    if (!zone.isValid())
        return found;

    // The local time read as if it were Greenwich time; each stretch of the zone's history
    // with offset o holds the moment local - o when that falls inside the stretch.
    const qint64 local = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    const QDateTime searchFrom = QDateTime::fromSecsSinceEpoch(local - Search_Margin, Qt::UTC);
    const QDateTime searchTo = QDateTime::fromSecsSinceEpoch(local + Search_Margin, Qt::UTC);
    struct Stretch {
        qint64 from;
        int offset;
    };
    std::vector<Stretch> stretches{{local - Search_Margin, zone.offsetFromUtc(searchFrom)}};
    for (const QTimeZone::OffsetData& change : zone.transitions(searchFrom, searchTo))
        stretches.push_back({change.atUtc.toSecsSinceEpoch(), change.offsetFromUtc});
    if (!std::all_of(stretches.begin(), stretches.end(), [](const Stretch& s) { return Is_Clock_Offset(s.offset); }))
        return found;

    std::vector<qint64> moments;
    for (std::size_t at = 0; at < stretches.size(); ++at) {
        const qint64 until = at + 1 < stretches.size() ? stretches[at + 1].from : local + Search_Margin;
        const qint64 moment = local - stretches[at].offset;
        if (moment >= stretches[at].from && moment < until)
            moments.push_back(moment);
    }

    found.kind = moments.empty()        ? ZoneAtMoment::Kind::skipped
                 : moments.size() == 1 ? ZoneAtMoment::Kind::once
                                       : ZoneAtMoment::Kind::twice;
    for (const qint64 moment : moments) {
        found.clocks.push_back(Clock_Of(zone, QDateTime::fromSecsSinceEpoch(moment, Qt::UTC)));
        if (!Is_Clock_Offset(found.clocks.back().offsetSeconds) || !Is_Clock_Offset(found.clocks.back().standardSeconds))
            return ZoneAtMoment{};
    }
    if (found.kind != ZoneAtMoment::Kind::once) {
        // The change nearest the time: the stretch boundary whose clock jump spans it.
        for (std::size_t at = 1; at < stretches.size(); ++at) {
            const qint64 change = stretches[at].from;
            const qint64 before = change + stretches[at - 1].offset;
            const qint64 after = change + stretches[at].offset;
            if (local >= std::min(before, after) && local < std::max(before, after)) {
                const QDateTime from = Local_Clock(change, stretches[at - 1].offset);
                const QDateTime to = Local_Clock(change, stretches[at].offset);
                found.changedFrom = from.time();
                found.changedTo = to.time();
                found.changedFromDate = from.date();
                found.changedToDate = to.date();
                break;
            }
        }
    }
    return found;
}

bool ZoneAtMoment::skippedWholeDay(QDate day) const
{
    return kind == Kind::skipped && QDateTime(changedFromDate, changedFrom, Qt::UTC) <= QDateTime(day, QTime(0, 0), Qt::UTC)
           && QDateTime(changedToDate, changedTo, Qt::UTC) >= QDateTime(day.addDays(1), QTime(0, 0), Qt::UTC);
}

bool Zone_Is_Known(const QByteArray& zoneId)
{
    if (zoneId.isEmpty())
        return false;
    const QTimeZone zone(zoneId);
    return zone.isValid()
           && Is_Clock_Offset(zone.offsetData(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC)).offsetFromUtc);
}

int Zone_Row_Offset_Minutes(int row)
{
    const ZoneOffset offset = Zone_Calculation(row).value_or(ZoneOffset{0, 0});
    return -(offset.hours * 60 + offset.minutes);
}

QString Zone_Row_Abbreviation(int row)
{
    const std::vector<std::string_view> texts = Zone_List_Texts();
    if (row < 0 || row >= static_cast<int>(texts.size()))
        return {};
    return To_QString(texts[row]).section(u',', 1, 1).trimmed();
}

ZoneChoice Zone_Choice(const ZoneClock& clock, int longitudeMinutes)
{
    ZoneChoice choice;
    choice.localMeanTime = clock.localMeanTime;
    // Four seconds of time for each minute of arc.
    const int offsetSeconds = clock.localMeanTime ? longitudeMinutes * 4 : clock.offsetSeconds;
    choice.offsetMinutes = Nearest_Minute(offsetSeconds / 60.0);
    choice.daylightSaving = !clock.localMeanTime && clock.daylightSeconds != 0;

    // A local mean time is no zone of the list, even where its minutes match a row's.
    if (clock.localMeanTime)
        return choice;
    const int standardMinutes = Nearest_Minute(clock.standardSeconds / 60.0);
    choice.row = Zone_Row_Named(standardMinutes, clock.standardAbbreviation);
    // The reading moves a row by exactly one hour for daylight saving. A clock that the row and
    // the box cannot give (double summer time) may have a row of its own, with the box clear;
    // failing that it takes its exact offset.
    if (choice.row && standardMinutes + (choice.daylightSaving ? 60 : 0) == choice.offsetMinutes)
        return choice;
    choice.row = choice.daylightSaving ? Zone_Row_Named(choice.offsetMinutes, clock.abbreviation) : std::nullopt;
    choice.rowWithoutSaving = choice.row.has_value();
    return choice;
}
