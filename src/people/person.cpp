#include "people/person.h"

BirthEntry Person_Entry(const Person& person)
{
    BirthEntry entry;
    entry.birth = person.birth;
    entry.birth.atlasZone.reset();
    entry.latitudeDegrees = QString::number(person.birth.latitudeDegrees);
    entry.latitudeMinutes = QString::number(person.birth.latitudeMinutes);
    entry.longitudeDegrees = QString::number(person.birth.longitudeDegrees);
    entry.longitudeMinutes = QString::number(person.birth.longitudeMinutes);
    return entry;
}

Person Person_Of(const BirthEntry& entry, std::optional<PersonPlace> place, bool zoneByHand,
                 std::optional<AtlasZone> atlasZone)
{
    Person person;
    const BirthData numbers = Birth_Data_Of(entry);
    person.birth = entry.birth;
    person.birth.name = entry.birth.name.trimmed();
    person.birth.latitudeDegrees = numbers.latitudeDegrees;
    person.birth.latitudeMinutes = numbers.latitudeMinutes;
    person.birth.longitudeDegrees = numbers.longitudeDegrees;
    person.birth.longitudeMinutes = numbers.longitudeMinutes;
    person.birth.atlasZone = std::move(atlasZone);
    person.place = std::move(place);
    person.zoneByHand = person.place && zoneByHand;
    return person;
}

BirthData Reading_Birth_Data(const Person& person)
{
    BirthData birth = Birth_Data_Of(Person_Entry(person));
    birth.atlasZone = person.birth.atlasZone;
    return birth;
}

QString Person_Key(const BirthData& birth)
{
    return QStringLiteral("%1|%2-%3-%4 %5:%6:%7")
        .arg(birth.name.trimmed().toUpper())
        .arg(birth.year)
        .arg(birth.month)
        .arg(birth.day)
        .arg(birth.hour)
        .arg(birth.minute)
        .arg(birth.second);
}
