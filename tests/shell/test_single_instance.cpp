#include "shell/frmMDI.h"
#include "shell/single_instance.h"
#include "shell/start_program.h"
#include "support/scripted_prompts.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a lock's name may hold when no instance runs.
enum class Leftover { Empty, Garbage, OtherHost, ForeignOwner, Folder, FolderWithFiles, Link };

void Leave_Behind(Leftover kind, const QString& path)
{
    const auto writeLock = [&](const QByteArray& content) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    switch (kind) {
    case Leftover::Empty: writeLock({}); break;
    case Leftover::Garbage: writeLock("\x01\xff not a lock \n\n\n"); break;
    case Leftover::OtherHost: writeLock("4242\nzev-gemmarium\nsomewhere-else.example\n"); break;
    case Leftover::ForeignOwner:
        // Another user's file naming a live process of this host (this test's own).
        writeLock(QByteArray::number(::getpid()) + "\nzev-gemmarium\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        if (::geteuid() == 0)
            QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0) == 0);
        break;
    case Leftover::Folder: QVERIFY(QDir().mkdir(path)); break;
    case Leftover::FolderWithFiles:
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        break;
    case Leftover::Link: QVERIFY(QFile::link(QStringLiteral("/nonexistent/elsewhere"), path)); break;
    }
}

}  // namespace

// The lock that tells a second start from a first, with the real program as the first instance.
class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    QTemporaryDir runtime;
    QString lockPath() const { return runtime.filePath(QStringLiteral("zev-gemmarium-%1.lock").arg(getuid())); }

    // Starts the program with its lock and settings inside the temporary folder.
    void startFirstInstance(QProcess& program)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.filePath(QStringLiteral("config")));
        program.setProcessEnvironment(environment);
        QFile::remove(lockPath());
        program.start(QStringLiteral(ZEV_PROGRAM), QStringList());
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPath()), 20000);
    }

    // Starts the program in this process with the lock: the launcher opens and nothing is said.
    void startAsTheFirstInstance(SingleInstance& lock)
    {
        ScriptedPrompts prompts;
        frmMDI* launcher = Start_Program(lock);
        QVERIFY(launcher);
        QVERIFY(prompts.messages.isEmpty());
        delete launcher;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aSecondStartIsRefusedAndTheFirstKeepsRunning()
    {
        QProcess first;
        startFirstInstance(first);

        ScriptedPrompts prompts;
        SingleInstance second(lockPath());
        QCOMPARE(Start_Program(second), nullptr);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.lastMessage(), QStringLiteral("Application is already running"));
        QCOMPARE(prompts.messages.constFirst().icon, Prompts::Icon::Information);

        QTest::qWait(200);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }

    void aStartAfterAKilledFirstInstanceIsAllowed()
    {
        QProcess first;
        startFirstInstance(first);
        ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(lockPath()));  // left behind by the crash

        SingleInstance again(lockPath());
        startAsTheFirstInstance(again);
    }

    void whateverNoLiveInstanceHoldsIsTakenOver_data()
    {
        QTest::addColumn<Leftover>("leftover");

        QTest::newRow("empty file") << Leftover::Empty;
        QTest::newRow("garbage") << Leftover::Garbage;
        QTest::newRow("lock naming another host") << Leftover::OtherHost;
        QTest::newRow("another user's file naming a live process") << Leftover::ForeignOwner;
        QTest::newRow("folder") << Leftover::Folder;
        QTest::newRow("folder with files") << Leftover::FolderWithFiles;
        QTest::newRow("link to nowhere") << Leftover::Link;
    }

    void whateverNoLiveInstanceHoldsIsTakenOver()
    {
        QFETCH(Leftover, leftover);
        QDir(lockPath()).removeRecursively();
        QFile::remove(lockPath());
        Leave_Behind(leftover, lockPath());

        SingleInstance first(lockPath());
        startAsTheFirstInstance(first);
        if (QTest::currentTestFailed())
            return;
        // Taken over for real: the next start is the second instance.
        SingleInstance second(lockPath());
        QVERIFY(!second.acquire());
    }

    void withoutARuntimeFolderTheLockStaysInAFolderOnlyTheUserWrites()
    {
        const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray homeBefore = qgetenv("HOME");
        qputenv("XDG_RUNTIME_DIR", "/proc/zev/runtime");
        qputenv("HOME", QFile::encodeName(runtime.filePath(QStringLiteral("home"))));

        const QString path = SingleInstance::defaultLockPath();
        SingleInstance first(path);
        const bool firstAcquired = first.acquire();
        SingleInstance second(path);
        const bool secondAcquired = second.acquire();
        qputenv("XDG_RUNTIME_DIR", runtimeBefore);
        qputenv("HOME", homeBefore);

        QVERIFY2(path.startsWith(runtime.filePath(QStringLiteral("home/"))), qPrintable(path));
        const QFileInfo folder(QFileInfo(path).path());
        QCOMPARE(folder.ownerId(), ::geteuid());
        QCOMPARE(folder.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(firstAcquired);
        QVERIFY(!secondAcquired);
    }

    void anEndingInstanceLeavesTheLockThatReplacedItsOwn()
    {
        QFile::remove(lockPath());
        auto first = std::make_unique<SingleInstance>(lockPath());
        QVERIFY(first->acquire());
        QVERIFY(QFile::remove(lockPath()));  // someone deleted the lock file of the running instance
        SingleInstance second(lockPath());
        QVERIFY(second.acquire());

        first.reset();

        SingleInstance third(lockPath());
        QVERIFY(!third.acquire());
    }

    void aLockPlaceThatCannotBeCreatedDoesNotKeepTheUserOut()
    {
        SingleInstance nowhere(QStringLiteral("/proc/no-such-folder/zev-gemmarium.lock"));
        QVERIFY(nowhere.acquire());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
