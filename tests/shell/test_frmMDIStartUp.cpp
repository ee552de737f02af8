#include "birthplace/place_atlas.h"
#include "gemmarium.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "support/scripted_prompts.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The program as it starts: the launcher alone. No window is made before the user asks for it,
// and the atlas is read only once the entry window opens.
class TestFrmMDIStartUp : public QObject {
    Q_OBJECT

private slots:
    void nothingIsMadeOrReadUntilAskedFor()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        QStandardPaths::setTestModeEnabled(true);
        ScriptedPrompts prompts;
        QSignalSpy atlasReady(&PlaceAtlas::shared(), &PlaceAtlas::ready);
        QStringList windowsAtRest;
        bool atlasAtRest = true;
        QWidget* entry = nullptr;

        QTimer::singleShot(0, qApp, [&] {
            QTest::qWait(500);  // the program idle, long enough to have read the atlas if it had begun
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->parentWidget())
                    windowsAtRest.append(QString::fromLatin1(window->metaObject()->className()));
            }
            atlasAtRest = !PlaceAtlas::shared().index() && atlasReady.isEmpty();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (qobject_cast<frmMDI*>(window))
                    window->findChild<QAbstractButton*>(QStringLiteral("cmdSelectOption_2"))->click();
            }
            entry = Sub_Programs::instance(SubWindow::Entry);
            atlasReady.wait(10000);
            Quit_Program();
        });
        QCOMPARE(Run_Program(), 0);

        QCOMPARE(windowsAtRest, QStringList{QStringLiteral("frmMDI")});
        QVERIFY(atlasAtRest);
        QVERIFY(entry);
        QCOMPARE(atlasReady.size(), 1);
        QVERIFY(PlaceAtlas::shared().index());
    }
};

QTEST_MAIN(TestFrmMDIStartUp)
#include "test_frmMDIStartUp.moc"
