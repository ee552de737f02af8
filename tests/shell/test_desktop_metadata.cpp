#include "gemmarium.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

// What the desktop reads about the program in its metadata must be what the program says of
// itself: windows are matched to their desktop entry by their class, the software centre shows
// the program's version, and the manual names the settings file the program really writes.
class TestDesktopMetadata : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qunsetenv("XDG_CONFIG_HOME");
        Set_Program_Identity();
    }

    void metadataAgreesWithTheProgram_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pattern");  // its first capture is compared
        QTest::addColumn<QString>("programValue");
        const QString source = QStringLiteral(ZEV_PACKAGING_SOURCE "/");
        const QString built = QStringLiteral(ZEV_PACKAGING_BINARY "/");
        const QString version = QCoreApplication::applicationVersion();
        QTest::newRow("window class") << source + "example.quillmere.ZevGemmarium.desktop"
                                      << "^StartupWMClass=(.*)$" << QCoreApplication::applicationName();
        QTest::newRow("desktop entry's name") << built + "example.quillmere.ZevGemmarium.metainfo.xml"
                                              << "<launchable type=\"desktop-id\">(.*)\\.desktop</launchable>"
                                              << QGuiApplication::desktopFileName();
        QTest::newRow("release") << built + "example.quillmere.ZevGemmarium.metainfo.xml"
                                 << "<release version=\"([^\"]*)\"" << version;
        QTest::newRow("manual's version") << built + "zev-gemmarium.1"
                                          << "^\\.TH .* \"Zev Gemmarium ([^\"]*)\"" << version;
        QTest::newRow("settings file") << built + "zev-gemmarium.1" << "^\\.I ~/(.*\\.conf)$"
                                       << QDir::home().relativeFilePath(QSettings().fileName());
    }

    void metadataAgreesWithTheProgram()
    {
        QFETCH(QString, file);
        QFETCH(QString, pattern);
        QFETCH(QString, programValue);
        QFile metadata(file);
        QVERIFY2(metadata.open(QIODevice::ReadOnly), qPrintable(file));
        const auto found = QRegularExpression(pattern, QRegularExpression::MultilineOption)
                               .match(QString::fromUtf8(metadata.readAll()));
        QVERIFY2(found.hasMatch(), qPrintable(file + QStringLiteral(" has no line ") + pattern));
        QCOMPARE(found.captured(1), programValue);
    }
};

QTEST_MAIN(TestDesktopMetadata)
#include "test_desktop_metadata.moc"
