#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// One place of the birth place atlas: a town of at least 15,000 inhabitants with its state or
// province, its country, where it lies and the IANA name of its time zone.
struct AtlasPlace {
    QString name;
    QString state;
    QString country;
    double latitude = 0;   // degrees, North positive
    double longitude = 0;  // degrees, East positive
    std::uint32_t population = 0;
    QByteArray zoneId;  // e.g. "Europe/Madrid"
    QStringList otherNames = {};  // the names it goes by in other languages ("München", "Monaco di Baviera")
};

// The atlas as read: its places, or why it could not be read.
struct AtlasReading {
    AtlasReading() = default;
    AtlasReading(std::vector<AtlasPlace> places) : places(std::move(places)) {}  // read well

    std::vector<AtlasPlace> places;
    QString problem;  // in the user's words ("the atlas library is not installed"); empty when read
};
