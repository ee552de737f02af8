#pragma once
#include <QString>
#include <QUrl>

// The hand-off to the browser's map search, which finds a birth place's coordinates.

// What the map search looks for: the city, state and country as typed, each followed by one
// space, then "Latitude Longitude".
QString Place_Search_Text(const QString& city, const QString& state, const QString& country);

// The map search address for a search text: the template's %1 becomes the whole text,
// percent-encoded, so nothing typed can reach any other part of the address.
QUrl Search_Page_Address(const QString& addressTemplate, const QString& searchText);
