#include "report/reading_summary.h"

#include "birthplace/place_zone_text.h"
#include "birthplace/zone_table.h"
#include "gemology/gemology_pictures.h"
#include "text/calendar_text.h"

namespace {

QString Drawing_At(const PictureCatalogue& catalogue, const std::optional<int>& position)
{
    const PictureEntry* entry = position ? catalogue.at(*position) : nullptr;
    return entry ? QString::fromUtf8(entry->drawing.data(), static_cast<qsizetype>(entry->drawing.size())) : QString();
}

// "14:30", "14:30, within 15 minutes", or for an unknown time the noon the reading takes.
QString Time_Fact(const BirthData& birth)
{
    const QString clock = Clock_Text(QTime(birth.hour, birth.minute));
    for (const TimeAccuracyChoice& choice : Time_Accuracy_Choices) {
        if (choice.accuracy != birth.timeAccuracy || choice.accuracy == TimeAccuracy::exact)
            continue;
        if (choice.accuracy == TimeAccuracy::notKnown)
            return QStringLiteral("not known; the reading takes %1").arg(clock);
        const QString within = QString::fromLatin1(choice.listText.data(), static_cast<qsizetype>(choice.listText.size()));
        return clock + QStringLiteral(", ") + within.toLower();
    }
    return clock;
}

QString Place_Fact(const BirthData& birth)
{
    QStringList parts;
    for (const QString& part : {birth.city, birth.state, birth.country}) {
        if (!part.trimmed().isEmpty())
            parts.append(part.trimmed());
    }
    return parts.join(QStringLiteral(", "));
}

QString Coordinates_Fact(const BirthData& birth)
{
    const int latitude = (birth.latitudeDegrees * 60 + birth.latitudeMinutes) * (birth.south ? -1 : 1);
    const int longitude = (birth.longitudeDegrees * 60 + birth.longitudeMinutes) * (birth.east ? 1 : -1);
    return Degrees_Minutes_Text(latitude, u'N', u'S') + QStringLiteral(", ")
         + Degrees_Minutes_Text(longitude, u'E', u'W');
}

// The zone the reading took: the place's zone at the birth moment, or the list's row and box.
QString Zone_Fact(const BirthData& birth)
{
    if (const std::optional<AtlasZone>& zone = birth.atlasZone) {
        const QString offset = Utc_Offset_Text(zone->offsetMinutes);
        return zone->name.isEmpty() ? offset : QStringLiteral("%1 (%2)").arg(zone->name, offset);
    }
    const ZoneOffset row = Zone_Calculation(birth.zoneIndex).value_or(ZoneOffset{0, 0});
    // The table stores offsets against the clock's direction; daylight saving puts it an hour ahead.
    const int east = -(row.hours * 60 + row.minutes) + (birth.daylightSaving ? 60 : 0);
    return QStringLiteral("%1 (%2)").arg(Hand_Zone_Name(birth.zoneIndex, birth.daylightSaving), Utc_Offset_Text(east));
}

}  // namespace

ReadingSummary Reading_Summary_Of(const std::optional<BirthData>& birth, const GemologyReading& reading)
{
    ReadingSummary summary;
    summary.birthStonePicture = Drawing_At(ImgBirthStone, reading.birthStonePicture);
    summary.sunSignPicture = Drawing_At(ImglistSunSign, reading.sunSignPicture);
    summary.sunStonePicture = Drawing_At(ImgSunSignStone, reading.sunStonePicture);
    summary.moonSignPicture = Drawing_At(imgListMoonSign, reading.moonSignPicture);
    summary.moonStonePicture = Drawing_At(ImgMoonSignStone, reading.moonStonePicture);
    if (!birth)
        return summary;
    summary.name = birth->name;
    summary.facts.append({QStringLiteral("Born"), Date_Text(QDate(birth->year, birth->month, birth->day))});
    summary.facts.append({QStringLiteral("Time"), Time_Fact(*birth)});
    if (const QString place = Place_Fact(*birth); !place.isEmpty())
        summary.facts.append({QStringLiteral("Place"), place});
    summary.facts.append({QStringLiteral("Coordinates"), Coordinates_Fact(*birth)});
    summary.facts.append({QStringLiteral("Zone"), Zone_Fact(*birth)});
    return summary;
}

QList<SummaryResult> Summary_Results(const ReportTexts& texts, const ReadingSummary& summary)
{
    return {
        {QStringLiteral("Birth-month stone"), texts.birthStone, summary.birthStonePicture, QString(), QString()},
        {QStringLiteral("Sun sign"), texts.sunSign, summary.sunSignPicture, texts.sunStone, summary.sunStonePicture},
        {QStringLiteral("Moon sign"), texts.moonSign, summary.moonSignPicture, texts.moonStone,
         summary.moonStonePicture},
    };
}

QString Reading_Title(const ReadingSummary& summary)
{
    const QString name = summary.name.trimmed();
    return name.isEmpty() ? QStringLiteral("Gemology reading") : QStringLiteral("Gemology reading for ") + name;
}
