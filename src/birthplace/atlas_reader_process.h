#pragma once
#include "birthplace/atlas_place.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>

// The atlas read by the program's own reader, zev-atlas-reader, in a process of its own: what
// the atlas library does (crash, hang, print nonsense) ends at most that process, and the
// program learns why in its answer. Blocks until the reader is done: never call it on the
// user-interface thread.

// Where the reader is: beside the running program.
QString Atlas_Reader_Program();

// Runs `program` with `arguments` and reads the atlas from what it writes. A reader that is
// missing, fails, crashes, writes what is no atlas or takes longer than `patience` gives no
// places and the problem in the user's words; `stop` set ends the reader at once (the program
// is closing). Records that are no place are left out and their number logged.
AtlasReading Read_Atlas_With(const QString& program, const QStringList& arguments, const std::atomic<bool>& stop,
                             std::chrono::milliseconds patience = std::chrono::seconds(10));
