#pragma once
#include <QString>

// Why the book of people could not be opened or changed.
enum class BookFault {
    none,
    busy,        // another program holds the file locked
    full,        // the disk has no room left
    readOnly,    // the file or its folder may not be written
    damaged,     // the file is no database, or a damaged one
    newer,       // made by a newer version of the program
    unreadable,  // anything else the system refused
};

// What the user is told of a fault: what happened to the book at that path, and what to do.
QString Book_Fault_Message(BookFault fault, const QString& path);
