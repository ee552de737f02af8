#include "people/people_csv.h"

#include "birthplace/zone_table.h"
#include "gemology/name_letters.h"

#include <QHash>
#include <QTimeZone>

#include <algorithm>

namespace {

// The columns, in the order they are written; Person_From_Csv finds them by name.
enum Column {
    Name, Year, Month, Day, Hour, Minute, Second, TimeAccuracy_, City, State, Country,
    LatitudeDegrees, LatitudeMinutes, LatitudeHemisphere, LongitudeDegrees, LongitudeMinutes,
    LongitudeHemisphere, ZoneRow, DaylightSaving, PlaceLatitude, PlaceLongitude, PlaceZone, ZoneByHand,
    ReadingZoneOffset, ReadingZoneRow, ReadingZoneDaylightSaving, ReadingZoneName, Note, Added, Changed,
    Column_Count
};

constexpr const char* Column_Names[Column_Count] = {
    "name", "year", "month", "day", "hour", "minute", "second", "time_accuracy", "city", "state", "country",
    "latitude_degrees", "latitude_minutes", "latitude_hemisphere", "longitude_degrees", "longitude_minutes",
    "longitude_hemisphere", "zone_row", "daylight_saving", "place_latitude", "place_longitude", "place_zone",
    "zone_by_hand", "reading_zone_offset", "reading_zone_row", "reading_zone_daylight_saving",
    "reading_zone_name", "note", "added", "changed"};

const QString Yes = QStringLiteral("yes");
const QString No = QStringLiteral("no");

QString Flag(bool on)
{
    return on ? Yes : No;
}

QString Moment_Text(const QDateTime& moment)
{
    return moment.isValid() ? moment.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QString Number(double value)
{
    return QString::number(value, 'g', 17);
}

QStringList Cells_Of(const Person& person)
{
    const BirthData& birth = person.birth;
    const std::optional<AtlasZone>& zone = birth.atlasZone;
    const int accuracy = static_cast<int>(birth.timeAccuracy);
    QStringList cells{
        birth.name, QString::number(birth.year), QString::number(birth.month), QString::number(birth.day),
        QString::number(birth.hour), QString::number(birth.minute), QString::number(birth.second),
        QString::fromUtf8(Time_Accuracy_Choices[static_cast<std::size_t>(accuracy)].listText), birth.city,
        birth.state, birth.country, QString::number(birth.latitudeDegrees), QString::number(birth.latitudeMinutes),
        birth.south ? QStringLiteral("S") : QStringLiteral("N"), QString::number(birth.longitudeDegrees),
        QString::number(birth.longitudeMinutes), birth.east ? QStringLiteral("E") : QStringLiteral("W"),
        QString::number(birth.zoneIndex), Flag(birth.daylightSaving),
        person.place ? Number(person.place->latitude) : QString(),
        person.place ? Number(person.place->longitude) : QString(),
        person.place ? QString::fromUtf8(person.place->zoneId) : QString(), Flag(person.zoneByHand),
        zone ? QString::number(zone->offsetMinutes) : QString(),
        zone && zone->row ? QString::number(zone->row->position) : QString(),
        zone && zone->row ? Flag(zone->row->daylightSaving) : QString(), zone ? zone->name : QString(), person.note,
        Moment_Text(person.added), Moment_Text(person.changed)};
    for (QString& cell : cells)
        cell = Formula_Safe_Cell(cell);
    return cells;
}

// Reads the cells of one record by column; the first fault met is kept as the reason.
class CellReader {
public:
    CellReader(const QStringList& header, const QStringList& cells) : cells(cells)
    {
        for (int column = 0; column < Column_Count; ++column)
            at[column] = static_cast<int>(header.indexOf(QString::fromLatin1(Column_Names[column])));
    }

    QString text(Column column) const
    {
        const int index = at[column];
        return index >= 0 && index < cells.size() ? Formula_Cell_Read(cells.at(index)) : QString();
    }

    std::int16_t number(Column column, int first, int last)
    {
        bool ok = false;
        const int value = text(column).trimmed().toInt(&ok);
        if (!ok || value < first || value > last)
            fail(QStringLiteral("%1 \"%2\" is not a whole number from %3 to %4")
                     .arg(QString::fromLatin1(Column_Names[column]), text(column))
                     .arg(first)
                     .arg(last));
        return static_cast<std::int16_t>(value);
    }

    std::optional<int> optionalNumber(Column column, int first, int last)
    {
        if (text(column).trimmed().isEmpty())
            return std::nullopt;
        return number(column, first, last);
    }

    bool choice(Column column, const QString& on, const QString& off)
    {
        const QString value = text(column).trimmed();
        if (value.compare(on, Qt::CaseInsensitive) == 0)
            return true;
        if (value.compare(off, Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("%1 \"%2\" is neither %3 nor %4")
                     .arg(QString::fromLatin1(Column_Names[column]), value, on, off));
        return false;
    }

    double real(Column column, double limit)
    {
        bool ok = false;
        const double value = text(column).trimmed().toDouble(&ok);
        if (!ok || value < -limit || value > limit)
            fail(QStringLiteral("%1 \"%2\" is not a number from -%3 to %3")
                     .arg(QString::fromLatin1(Column_Names[column]), text(column))
                     .arg(limit));
        return value;
    }

    QDateTime moment(Column column)
    {
        const QString value = text(column).trimmed();
        if (value.isEmpty())
            return {};
        QDateTime moment = QDateTime::fromString(value, Qt::ISODateWithMs);
        if (!moment.isValid())
            fail(QStringLiteral("%1 \"%2\" is not a date and time").arg(QString::fromLatin1(Column_Names[column]), value));
        return moment.toUTC();
    }

    void fail(const QString& why)
    {
        if (reason.isEmpty())
            reason = why;
    }

    QString reason;

private:
    const QStringList& cells;
    int at[Column_Count];
};

TimeAccuracy Accuracy_Of(CellReader& reader)
{
    const QString text = reader.text(TimeAccuracy_).trimmed();
    if (text.isEmpty())
        return TimeAccuracy::exact;
    for (const TimeAccuracyChoice& choice : Time_Accuracy_Choices) {
        if (text.compare(QString::fromUtf8(choice.listText), Qt::CaseInsensitive) == 0)
            return choice.accuracy;
    }
    reader.fail(QStringLiteral("time_accuracy \"%1\" is none of the entry window's choices").arg(text));
    return TimeAccuracy::exact;
}

// The columns every record must give; the others may be left out of a file.
constexpr Column Required_Columns[] = {Name, Year, Month, Day, Hour, Minute, LatitudeDegrees, LatitudeMinutes,
                                       LongitudeDegrees, LongitudeMinutes};

}  // namespace

QStringList People_Csv_Header()
{
    QStringList header;
    for (const char* name : Column_Names)
        header.append(QString::fromLatin1(name));
    return header;
}

QByteArray People_Csv(const std::vector<Person>& people)
{
    QByteArray file = Csv_Record(People_Csv_Header());
    for (const Person& person : people)
        file.append(Csv_Record(Cells_Of(person)));
    return file;
}

QStringList Missing_Csv_Columns(const QStringList& header)
{
    QStringList missing;
    for (Column column : Required_Columns) {
        const QString name = QString::fromLatin1(Column_Names[column]);
        if (!header.contains(name))
            missing.append(name);
    }
    return missing;
}

std::variant<Person, QString> Person_From_Csv(const QStringList& header, const QStringList& cells)
{
    if (cells.size() != header.size())
        return QStringLiteral("it has %1 cells where the header names %2").arg(cells.size()).arg(header.size());
    CellReader reader(header, cells);
    Person person;
    BirthData& birth = person.birth;
    birth.name = reader.text(Name).trimmed().toUpper();
    if (!Name_Characters_Allowed(birth.name))
        reader.fail(QStringLiteral("the name \"%1\" holds characters other than letters, blanks, hyphens and apostrophes").arg(birth.name));
    birth.year = reader.number(Year, 1901, 2050);
    birth.month = reader.number(Month, 1, 12);
    birth.day = reader.number(Day, 1, 31);
    birth.hour = reader.number(Hour, 0, 23);
    birth.minute = reader.number(Minute, 0, 59);
    birth.second = reader.optionalNumber(Second, 0, 59).value_or(0);
    birth.timeAccuracy = Accuracy_Of(reader);
    birth.city = reader.text(City);
    birth.state = reader.text(State);
    birth.country = reader.text(Country);
    birth.south = !reader.text(LatitudeHemisphere).trimmed().isEmpty() && reader.choice(LatitudeHemisphere, QStringLiteral("S"), QStringLiteral("N"));
    birth.east = reader.text(LongitudeHemisphere).trimmed().isEmpty() || reader.choice(LongitudeHemisphere, QStringLiteral("E"), QStringLiteral("W"));
    static const auto zoneCount = static_cast<int>(Zone_List_Texts().size());
    birth.zoneIndex = static_cast<std::int16_t>(reader.optionalNumber(ZoneRow, 0, zoneCount - 1).value_or(Zone_Default_Position));
    birth.daylightSaving = !reader.text(DaylightSaving).trimmed().isEmpty() && reader.choice(DaylightSaving, Yes, No);
    if (!reader.text(PlaceZone).trimmed().isEmpty()) {
        const QByteArray zoneId = reader.text(PlaceZone).trimmed().toUtf8();
        if (!QTimeZone::isTimeZoneIdAvailable(zoneId))
            reader.fail(QStringLiteral("place_zone \"%1\" is no time zone this system knows").arg(QString::fromUtf8(zoneId)));
        person.place = PersonPlace{reader.real(PlaceLatitude, 90), reader.real(PlaceLongitude, 180), zoneId};
        person.zoneByHand = !reader.text(ZoneByHand).trimmed().isEmpty() && reader.choice(ZoneByHand, Yes, No);
    }
    if (const std::optional<int> offset = reader.optionalNumber(ReadingZoneOffset, -24 * 60, 24 * 60)) {
        AtlasZone zone;
        zone.offsetMinutes = *offset;
        if (const std::optional<int> row = reader.optionalNumber(ReadingZoneRow, 0, zoneCount - 1))
            zone.row = AtlasZone::Row{*row, reader.choice(ReadingZoneDaylightSaving, Yes, No)};
        zone.name = reader.text(ReadingZoneName);
        birth.atlasZone = zone;
    }
    person.note = reader.text(Note);
    person.added = reader.moment(Added);
    person.changed = reader.moment(Changed);
    if (!reader.reason.isEmpty())
        return reader.reason;
    // The numbers as the entry window's fields hold them, for its checks.
    BirthEntry entry = Person_Entry(person);
    entry.latitudeDegrees = reader.text(LatitudeDegrees);
    entry.latitudeMinutes = reader.text(LatitudeMinutes);
    entry.longitudeDegrees = reader.text(LongitudeDegrees);
    entry.longitudeMinutes = reader.text(LongitudeMinutes);
    if (const std::optional<EntryProblem> problem = Birth_Entry_Problem(entry))
        return problem->message;
    const BirthData numbers = Birth_Data_Of(entry);
    birth.latitudeDegrees = numbers.latitudeDegrees;
    birth.latitudeMinutes = numbers.latitudeMinutes;
    birth.longitudeDegrees = numbers.longitudeDegrees;
    birth.longitudeMinutes = numbers.longitudeMinutes;
    return person;
}
