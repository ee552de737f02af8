#pragma once
#include "people/person.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

// A name of letters only for a number, so that every fixture person has a name of its own.
inline QString Fixture_Name(int number)
{
    QString name = QStringLiteral("PERSON ");
    do {
        name.append(QChar(u'A' + number % 26));
        number /= 26;
    } while (number > 0);
    return name;
}

// People of every kind the entry window saves: a place typed by hand with its zone row and
// box, a place from the atlas with the zone its history gave, and one whose zone was then set by
// hand; notes a spreadsheet would take for formulas, commas, quotes and line breaks.
inline Person Fixture_Person(int number)
{
    Person person;
    BirthData& birth = person.birth;
    birth.name = Fixture_Name(number);
    birth.year = static_cast<std::int16_t>(1901 + number % 150);
    birth.month = static_cast<std::int16_t>(1 + number % 12);
    birth.day = static_cast<std::int16_t>(1 + number % 28);
    birth.hour = static_cast<std::int16_t>(number % 24);
    birth.minute = static_cast<std::int16_t>(number % 60);
    birth.second = static_cast<std::int16_t>((number * 7) % 60);
    birth.timeAccuracy = Time_Accuracy_At(number % 5);
    birth.latitudeDegrees = static_cast<std::int16_t>(number % 90);
    birth.latitudeMinutes = static_cast<std::int16_t>(number % 60);
    birth.south = number % 3 == 0;
    birth.longitudeDegrees = static_cast<std::int16_t>(number % 180);
    birth.longitudeMinutes = static_cast<std::int16_t>((number * 3) % 60);
    birth.east = number % 2 == 0;
    birth.zoneIndex = static_cast<std::int16_t>(number % 71);
    birth.daylightSaving = number % 4 == 1;
    static const char* const cities[] = {"São Paulo", "Łódź", "Zürich, Canton", "New \"Big\" York", "Kathmandu"};
    birth.city = QString::fromUtf8(cities[number % 5]);
    birth.state = QStringLiteral("State %1").arg(number % 50);
    birth.country = number % 2 ? QStringLiteral("Brazil") : QStringLiteral("-Nowhere");
    switch (number % 3) {
    case 0:
        break;
    case 1:
        person.place = PersonPlace{-23.5475, -46.63611, "America/Sao_Paulo"};
        birth.atlasZone = AtlasZone{-180, AtlasZone::Row{number % 71, false}, QStringLiteral("-03")};
        break;
    case 2:
        person.place = PersonPlace{27.70169, 85.3206, "Asia/Kathmandu"};
        person.zoneByHand = true;
        birth.atlasZone = AtlasZone{345, std::nullopt, QStringLiteral("+0545")};
        break;
    }
    static const char* const notes[] = {"", "=SUM(A1:A9)", "+31 20 555", "-minus", "@home", "\tindented",
                                         "'=quoted formula", "line one\r\nline two, with \"quotes\""};
    person.note = QString::fromUtf8(notes[number % 8]);
    return person;
}

// The fields a person is saved with, as one text, for comparing people whole.
inline QString Person_Fields(const Person& person)
{
    const BirthData& birth = person.birth;
    QStringList fields{birth.name, QString::number(birth.year), QString::number(birth.month), QString::number(birth.day),
                       QString::number(birth.hour), QString::number(birth.minute), QString::number(birth.second),
                       QString::number(static_cast<int>(birth.timeAccuracy)), birth.city, birth.state, birth.country,
                       QString::number(birth.latitudeDegrees), QString::number(birth.latitudeMinutes),
                       QString::number(birth.south), QString::number(birth.longitudeDegrees),
                       QString::number(birth.longitudeMinutes), QString::number(birth.east),
                       QString::number(birth.zoneIndex), QString::number(birth.daylightSaving),
                       QString::number(person.zoneByHand), person.note};
    if (person.place)
        fields << QString::number(person.place->latitude, 'g', 17) << QString::number(person.place->longitude, 'g', 17)
               << QString::fromUtf8(person.place->zoneId);
    if (const auto& zone = birth.atlasZone) {
        fields << QString::number(zone->offsetMinutes) << zone->name;
        if (zone->row)
            fields << QString::number(zone->row->position) << QString::number(zone->row->daylightSaving);
    }
    return fields.join(u'|');
}

// Points the user's data folder into a folder of the test's own.
inline void Use_Test_Home(const QTemporaryDir& home)
{
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DATA_HOME");
    QStandardPaths::setTestModeEnabled(true);
}
