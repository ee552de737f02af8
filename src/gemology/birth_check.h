#pragma once
#include "gemology/birth_data.h"
#include "gemology/entry_problem.h"

#include <QString>

#include <optional>

// The entry window's fields as the user left them. The four number fields are still the texts
// typed or pasted into them; `birth` holds everything else, chosen from lists or typed freely.
struct BirthEntry {
    BirthData birth;
    QString latitudeDegrees;
    QString latitudeMinutes;
    QString longitudeDegrees;
    QString longitudeMinutes;
};

// The value of a plain whole number: after trimming, one or more of the digits 0-9 and nothing
// else. Values past a million read as a million, which no field accepts. None for any other text.
std::optional<int> Plain_Number(const QString& text);

// The first reason the entry cannot make a reading, in the order the user is told of them: the
// name, the longitude, the latitude, then the day against its month. None when the reading may run.
std::optional<EntryProblem> Birth_Entry_Problem(const BirthEntry& entry);

// The first empty place field (city, state, country), which the map search needs. A text of
// spaces counts as filled.
std::optional<EntryProblem> Birth_Place_Problem(const BirthData& birth);

// The birth data of an entry that Birth_Entry_Problem passed. With no known time of birth it
// holds 12:00.
BirthData Birth_Data_Of(const BirthEntry& entry);
