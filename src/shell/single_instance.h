#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

// A per-user lock that tells whether the program already runs. A lock left behind by a
// crashed run is recognised as stale and taken over, so a crash never locks the user out.
class Single_Instance {
public:
    explicit Single_Instance(const QString& lockPath = defaultLockPath());
    // True when this is the only running instance (or the lock place cannot be used at all).
    bool acquire();
    static QString defaultLockPath();

private:
    QString path;
    std::unique_ptr<QLockFile> lock;
};
