#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// A real file system with no space left: a tmpfs of a few pages mounted on a temporary folder
// and unmounted again when done. Mounting needs root (as CI runs the tests); unusable() says
// why not otherwise.
class FullDisk {
public:
    FullDisk()
    {
        if (::geteuid() != 0)
            failure = QStringLiteral("mounting a small tmpfs to fill up needs root");
        else if (::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0, "size=64k") != 0)
            failure = QStringLiteral("a tmpfs cannot be mounted here: ") + QString::fromLocal8Bit(std::strerror(errno));
        else
            mounted = true;
    }
    ~FullDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    QString unusable() const { return failure; }
    QString path() const { return mountPoint.path(); }

    // Mounts the disk again read-only: a folder no one may write to, not even root.
    bool makeReadOnly() const
    {
        return ::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       "size=64k") == 0;
    }

    // Writes a filler file until the system says the disk is full.
    void fill() const
    {
        QFile filler(QDir(path()).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0) {
        }
    }

private:
    QTemporaryDir mountPoint;
    QString failure;
    bool mounted = false;
};

// Files may not grow beyond a few bytes while it lives: the system cuts every write there and
// then fails the next with "File too large", the way a quota or a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &before);
        previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before{};
    void (*previousSignal)(int) = nullptr;
};
