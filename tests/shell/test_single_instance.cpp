#include "shell/frmMDI.h"
#include "shell/single_instance.h"
#include "shell/start_program.h"
#include "support/scripted_prompts.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

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
        Single_Instance second(lockPath());
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

        ScriptedPrompts prompts;
        Single_Instance again(lockPath());
        frmMDI* launcher = Start_Program(again);
        QVERIFY(launcher);
        QVERIFY(prompts.messages.isEmpty());
        delete launcher;
    }

    void aLockPlaceThatCannotBeCreatedDoesNotKeepTheUserOut()
    {
        Single_Instance nowhere(QStringLiteral("/proc/no-such-folder/zev-gemmarium.lock"));
        QVERIFY(nowhere.acquire());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
