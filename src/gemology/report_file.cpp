#include "gemology/report_file.h"

#include <QFileInfo>
#include <QSaveFile>

QString With_Default_Suffix(const QString& path, const QString& suffix)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path.endsWith(u'.') ? path + suffix : path + u'.' + suffix;
}

std::optional<QString> Write_Whole_File(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}
