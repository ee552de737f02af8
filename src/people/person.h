#pragma once
#include "gemology/birth_check.h"

#include <QDateTime>
#include <QString>

#include <optional>

// The place chosen from the atlas for a person: where it lies and the IANA name of its zone.
// Its name, state and country are the person's city, state and country.
struct PersonPlace {
    double latitude = 0;   // degrees, North positive
    double longitude = 0;  // degrees, East positive
    QByteArray zoneId;     // e.g. "Europe/Madrid"
};

// One person of the book: the entry window's fields as they were saved, the zone as the reading
// took it, a free note and when the person was added and last changed. `birth` holds the time
// as entered (not the noon a reading takes for an unknown time) and the four numbers as read.
struct Person {
    qint64 id = 0;  // the book's number for the person; 0 before it is saved
    BirthData birth;
    std::optional<PersonPlace> place;  // none: the place was typed by hand
    bool zoneByHand = false;           // the zone row and box were set by hand after choosing the place
    QString note;
    QDateTime added;
    QDateTime changed;
};

// The entry window's fields for a person: the number fields as plain decimal texts.
BirthEntry Person_Entry(const Person& person);

// A person of an entry that Birth_Entry_Problem passed, with the place chosen and the zone the
// reading took at it (none for a place typed by hand).
Person Person_Of(const BirthEntry& entry, std::optional<PersonPlace> place, bool zoneByHand,
                 std::optional<AtlasZone> atlasZone);

// The birth data a reading for the person takes: that of the entry, with the zone saved.
BirthData Reading_Birth_Data(const Person& person);

// What makes two saved people one: the name (folded for case) and the birth moment as entered.
QString Person_Key(const BirthData& birth);
