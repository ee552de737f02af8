#include "report/report_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <climits>
#include <cstring>

#include <unistd.h>

namespace {

// The new content goes first into a file named after the target plus ".XXXXXX".
constexpr qsizetype Temporary_Suffix_Length = 7;

QString System_Reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why the save file failed. A name that fits the folder may still be too long once the new
// content's temporary name (the target's and ".XXXXXX") is made from it, which the save file
// reports as an unknown error.
QString Failure_Reason(const QString& path, const QSaveFile& file)
{
    const QFileInfo target(path);
    long longest = ::pathconf(QFile::encodeName(target.absolutePath()).constData(), _PC_NAME_MAX);
    if (longest <= 0)
        longest = NAME_MAX;
    if (QFile::encodeName(target.fileName()).size() + Temporary_Suffix_Length > longest)
        return System_Reason(ENAMETOOLONG);
    return file.errorString();
}

}  // namespace

QString With_Default_Suffix(const QString& path, const QString& suffix)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path.endsWith(u'.') ? path + suffix : path + u'.' + suffix;
}

bool Names_A_Folder(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() || name == u'.' || name == QStringLiteral("..") || QFileInfo(path).isDir();
}

// The file is written unbuffered: each write then reaches the system at once, so its failure
// is reported by that write and also marks the save file as failed, and commit() can never
// rename a file whose last buffered part was lost (a full disk fails only that final flush,
// which commit() does not report). The content is written in one piece, so nothing is slower.
std::optional<QString> Write_Whole_File(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure_Reason(path, file);

    // A short count is followed by another write, which then says why the system stopped.
    for (qsizetype done = 0; done < content.size();) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        done += written;
    }
    // Some file systems report a lost write only when the data reach the disk.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const QString reason = System_Reason(errno);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return Failure_Reason(path, file);
    return std::nullopt;
}
