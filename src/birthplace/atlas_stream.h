#pragma once
#include "birthplace/atlas_place.h"

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

// What the atlas reader (the program's own zev-atlas-reader) writes for the program to read,
// in UTF-8 lines of tab-separated fields:
//   zev-atlas 1
//   P <id> <name> <state> <country> <zone> <population> <latitude> <longitude>   a place
//   N <place> <name>                  another name of a place: the place's P line, counted from 0
//   fail <reason> <detail>                        the reader could not read the atlas
//   end <places> <names>                          all was written: how many of each
// No field holds a tab or a line break. Places come first, then the names, place by place.

// Why the reader could not read the atlas ("library", "no-places"), as its fail line says it.
inline constexpr const char* Atlas_Fail_Library = "library";
inline constexpr const char* Atlas_Fail_No_Places = "no-places";

// The places of what the reader wrote, each with its other names. Records that cannot be a
// place are left out and counted: a latitude or longitude that is no finite number within
// ±90° or ±180°, an empty name, a zone the system's time-zone data cannot give, a name of no
// place. Output that is not the reader's whole and well-formed answer gives no places
// and the problem, in the user's words.
struct AtlasStream {
    AtlasReading reading;
    int droppedPlaces = 0;
    int droppedNames = 0;
};
AtlasStream Parse_Atlas_Stream(QByteArrayView output);

// The same, read piece by piece as the reader writes it, so that its answer is read while it
// still works: each piece given to take(), then finish() once it has ended.
class AtlasStreamReader {
public:
    AtlasStreamReader();
    ~AtlasStreamReader();
    AtlasStreamReader(const AtlasStreamReader&) = delete;
    AtlasStreamReader& operator=(const AtlasStreamReader&) = delete;

    void take(QByteArrayView piece);
    AtlasStream finish();

private:
    struct Reading;
    void takeLine(QByteArrayView line);
    void fail(const QString& problem);

    QByteArray unfinishedLine_;  // the start of a line whose end is yet to come
    std::unique_ptr<Reading> reading_;
};
