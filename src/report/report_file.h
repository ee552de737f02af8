#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The path with ".suffix" added when its file name has no extension.
QString With_Default_Suffix(const QString& path, const QString& suffix);

// Whether a chosen name names a folder rather than a file: it ends with a separator, or is a
// folder that exists ("reports/", "/tmp", ".."). A report is never saved under such a name.
bool Names_A_Folder(const QString& path);

// Writes the whole file or nothing: an existing file is replaced only once the new content is
// complete and on the disk, and a failure (no space, quota, I/O error) leaves the folder as it
// was, without a partial, empty or temporary file. Returns the reason of a failure, as the
// system words it ("No space left on device").
std::optional<QString> Write_Whole_File(const QString& path, const QByteArray& content);
