#pragma once
#include "people/person.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// The largest file and the most rows one import takes.
inline constexpr qsizetype Import_Max_Rows = 100'000;
inline constexpr qint64 Import_Max_Bytes = 64 * 1024 * 1024;

struct RefusedRow {
    int line = 0;
    QString reason;
};

// What importing a file would do: the people it would add, how many it finds in the book
// already, and the rows it refuses with the reason. `problem` is set when the file as a whole
// cannot be read; then nothing else is.
struct ImportPlan {
    QString problem;
    std::vector<Person> toAdd;
    int alreadyInBook = 0;
    std::vector<RefusedRow> refused;
};

// Plans the import of a file's bytes; `inBook` says whether a person is in the book already.
// Every row gets the entry window's checks; a second row of the same person is refused.
ImportPlan Plan_Import(const QByteArray& bytes, const std::function<bool(const BirthData&)>& inBook);

// The message for a file too large to read at all.
QString Import_Too_Large_Message();

// The question put to the user before anything is added: the counts, and the refused rows by
// line number and reason (the first twenty of them).
QString Import_Summary(const ImportPlan& plan);
