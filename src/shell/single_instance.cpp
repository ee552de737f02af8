#include "shell/single_instance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether only this user can write into the folder: it is the user's own and closed to others.
bool Is_Private_Folder(const QString& folder)
{
    struct stat status {};
    return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &status) == 0
        && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool Names_The_Same_File(int handle, const QByteArray& path)
{
    struct stat opened {}, named {};
    return ::fstat(handle, &opened) == 0 && ::lstat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev
        && opened.st_ino == named.st_ino;
}

bool Is_Plain_File(int handle)
{
    struct stat status {};
    return ::fstat(handle, &status) == 0 && S_ISREG(status.st_mode);
}

// Removes what holds the lock's name but cannot be our lock file; false when nothing is there
// or it cannot be removed.
bool Remove_Stale(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) ? QDir(path).removeRecursively() : QFile::remove(path);
}

// Who holds the lock, for a person who looks at the file; the program never reads it back.
void Write_Holder(int handle)
{
    const QByteArray holder = QByteArray::number(::getpid()) + "\nzev-gemmarium\n"
                            + QSysInfo::machineHostName().toUtf8() + '\n';
    if (::ftruncate(handle, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(handle, holder.constData(), holder.size());
    }
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockPath) : path(lockPath) {}

SingleInstance::~SingleInstance()
{
    if (handle < 0)
        return;
    // Only our own file: one put in its place after ours was deleted belongs to another instance.
    if (Names_The_Same_File(handle, QFile::encodeName(path)))
        QFile::remove(path);
    ::close(handle);
}

QString SingleInstance::defaultLockPath()
{
    // Only the runtime folder the session gives the user: when there is none, the toolkit's
    // stand-in lies in the folder for temporary files that every user shares.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (Is_Private_Folder(runtime))
        return runtime + QStringLiteral("/zev-gemmarium-%1.lock").arg(::getuid());
    // The cache may be shared with other machines (a home folder on the network): one lock each.
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/zev-gemmarium");
    QDir().mkpath(QFileInfo(folder).path());
    ::mkdir(QFile::encodeName(folder).constData(), S_IRWXU);
    if (!Is_Private_Folder(folder))
        return {};
    return folder + QStringLiteral("/instance-%1.lock").arg(QSysInfo::machineHostName());
}

bool SingleInstance::acquire()
{
    if (handle >= 0)
        return true;
    const QByteArray name = QFile::encodeName(path);
    // A few rounds, as the instance that held the lock may be removing its file just now.
    for (int round = 0; round < 3 && !name.isEmpty(); ++round) {
        const int opened = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (opened < 0) {
            if (!Remove_Stale(path))
                break;
            continue;
        }
        if (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
            const bool heldByAnother = errno == EWOULDBLOCK;
            ::close(opened);
            if (heldByAnother)
                return false;
            break;
        }
        const bool plainFile = Is_Plain_File(opened);
        if (!plainFile || !Names_The_Same_File(opened, name)) {
            ::close(opened);
            if (!plainFile)
                Remove_Stale(path);
            continue;
        }
        Write_Holder(opened);
        handle = opened;
        return true;
    }
    // No place to keep the lock must not keep the user out of the program.
    return true;
}
