#include "shell/frmMDI.h"
#include "shell/single_instance.h"
#include "shell/start_program.h"
#include "support/scripted_prompts.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The program starts and works however unfriendly the user's surroundings are, and says nothing
// alarming about them.
class TestHostileSurroundings : public QObject {
    Q_OBJECT

private slots:
    void theProgramStillStartsQuietly_data()
    {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("configFolder");
        QTest::addColumn<QByteArray>("runtimeFolder");
        QTest::addColumn<QByteArray>("storedDate");

        QTest::newRow("garbage in the settings") << QByteArray() << QByteArray() << QByteArray()
                                                 << QByteArray("\x01\xff garbage \x7f");
        QTest::newRow("settings cannot be written") << QByteArray() << QByteArray("/proc/zev/config")
                                                    << QByteArray() << QByteArray();
        QTest::newRow("lock place cannot be created") << QByteArray() << QByteArray()
                                                      << QByteArray("/proc/zev/runtime") << QByteArray();
        QTest::newRow("home folder does not exist") << QByteArray("/nonexistent/zev-user") << QByteArray()
                                                    << QByteArray() << QByteArray();
    }

    void theProgramStillStartsQuietly()
    {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, configFolder);
        QFETCH(QByteArray, runtimeFolder);
        QFETCH(QByteArray, storedDate);

        QTemporaryDir scratch;
        const QByteArray scratchPath = scratch.path().toUtf8();
        qputenv("HOME", home.isEmpty() ? scratchPath : home);
        qputenv("XDG_CONFIG_HOME", configFolder.isEmpty() ? scratchPath + "/config" : configFolder);
        qputenv("XDG_RUNTIME_DIR", runtimeFolder.isEmpty() ? scratchPath : runtimeFolder);
        if (!storedDate.isEmpty())
            QSettings().setValue(QStringLiteral("Settings/Duration"), QString::fromLatin1(storedDate));

        ScriptedPrompts prompts;
        SingleInstance instance;
        frmMDI* launcher = Start_Program(instance);
        QVERIFY(launcher);
        QVERIFY(launcher->isVisible());
        QVERIFY(prompts.messages.isEmpty());
        QVERIFY(prompts.questions.isEmpty());
        delete launcher;
    }
};

QTEST_MAIN(TestHostileSurroundings)
#include "test_hostile_surroundings.moc"
