#pragma once
#include <QString>

// A per-user lock that tells whether the program already runs. The lock is the system's lock on
// an open file, which ends with the process that holds it, so only a live instance of the
// program on this machine keeps another out. Whatever else is found under the lock's name (a
// file left by a crash, empty, garbage, naming another host or written by another user, or a
// folder) is stale and taken over, so nothing left behind ever locks the user out.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the only running instance (or the lock place cannot be used at all).
    bool acquire();

    // The user's runtime folder, or else a folder of the user's own cache that only the user may
    // write; never a folder shared with other users.
    static QString defaultLockPath();

private:
    QString path;
    int handle = -1;
};
