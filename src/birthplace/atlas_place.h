#pragma once
#include <QByteArray>
#include <QString>

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
};

// Every place of the GeoNames towns that libgeonames carries, in the library's order. Empty
// when its data cannot be read. Takes some 50 ms: never call it on the user-interface thread.
std::vector<AtlasPlace> Read_Atlas_Places();
