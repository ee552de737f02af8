#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The path with ".suffix" added when its file name has no extension.
QString With_Default_Suffix(const QString& path, const QString& suffix);

// Writes the whole file or nothing: an existing file is replaced only once the new content is
// complete, and a failure leaves no partial file behind. Returns the reason of a failure.
std::optional<QString> Write_Whole_File(const QString& path, const QByteArray& content);
