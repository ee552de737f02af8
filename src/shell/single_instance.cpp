#include "shell/single_instance.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

Single_Instance::Single_Instance(const QString& lockPath) : path(lockPath) {}

QString Single_Instance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/zev-gemmarium-%1.lock").arg(getuid());
}

bool Single_Instance::acquire()
{
    lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);  // only a lock whose process is gone is stale
    if (lock->tryLock(0))
        return true;
    // Another live instance holds the lock. Any other failure (no place to write the lock)
    // must not keep the user out of the program.
    return lock->error() != QLockFile::LockFailedError;
}
