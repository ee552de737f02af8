#pragma once
#include "gemology/birth_data.h"
#include "gemology/entry_problem.h"

#include <QString>
#include <QUrl>

#include <optional>

// The first empty place field (city, state, country), which the coordinate search needs.
// A text of spaces counts as filled.
std::optional<EntryProblem> Birth_Place_Problem(const BirthData& birth);

// What the coordinate search looks for: the city, state and country as typed, each followed
// by one space, then "Latitude Longitude".
QString Place_Search_Text(const BirthData& birth);

// The map search address for a search text: the template's %1 becomes the whole text,
// percent-encoded, so nothing typed can reach any other part of the address.
QUrl Search_Page_Address(const QString& addressTemplate, const QString& searchText);
