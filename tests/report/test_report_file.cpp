#include "report/report_file.h"
#include "hostile_disk.h"
#include "saved_files.h"

#include <QtTest>

#include <optional>

namespace {

const QByteArray Old_Report("{\\rtf1 the report saved before}");

QStringList Everything_In(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

// Saving never loses the report saved before and never leaves a partial, empty or temporary file.
class TestReportFile : public QObject {
    Q_OBJECT

private slots:
    void failedWriteLeavesTheFolderAsItWas_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("reason");

        const QString noSpace = QStringLiteral("No space left on device");
        const QString tooLarge = QStringLiteral("File too large");
        QTest::newRow("full disk, new name, normal report") << true << false << 3000 << noSpace;
        QTest::newRow("full disk, over old.rtf, normal report") << true << true << 12000 << noSpace;
        QTest::newRow("full disk, over old.rtf, 1 MB report") << true << true << 1 << noSpace;
        QTest::newRow("cut by the system, new name") << false << false << 3000 << tooLarge;
        QTest::newRow("cut by the system, over old.rtf") << false << true << 12000 << tooLarge;
    }

    void failedWriteLeavesTheFolderAsItWas()
    {
        QFETCH(bool, fullDisk);
        QFETCH(bool, existing);
        QFETCH(int, size);
        QFETCH(QString, reason);
        const QByteArray report(size == 1 ? 1 << 20 : size, 'r');
        FullDisk disk;
        QTemporaryDir scratch;
        if (fullDisk && !disk.unusable().isEmpty())
            QSKIP(qPrintable(disk.unusable()));
        const QString folder = fullDisk ? disk.path() : scratch.path();
        const QString path = QDir(folder).filePath(existing ? QStringLiteral("old.rtf") : QStringLiteral("new.rtf"));
        if (existing)
            Write_File(path, Old_Report);
        if (fullDisk)
            disk.fill();
        const QStringList before = Everything_In(folder);

        std::optional<QString> failure;
        {
            FileSizeLimit limit(fullDisk ? RLIM_INFINITY : 1024);
            failure = Write_Whole_File(path, report);
        }

        QCOMPARE(failure, std::optional<QString>(reason));
        QCOMPARE(Everything_In(folder), before);
        QCOMPARE(Content_Of(path), existing ? Old_Report : QByteArray());
    }

    void nameTooLongForTheTemporaryFileIsSaidSo_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("saved");

        QTest::newRow("248 bytes over an old file, the longest that works") << 248 << true << true;
        QTest::newRow("249 bytes over an old file") << 249 << true << false;
        QTest::newRow("255 bytes over an old file") << 255 << true << false;
        QTest::newRow("300 bytes, new name") << 300 << false << false;
    }

    void nameTooLongForTheTemporaryFileIsSaidSo()
    {
        QFETCH(int, length);
        QFETCH(bool, existing);
        QFETCH(bool, saved);
        QTemporaryDir folder;
        const QString name = QString(length - 4, u'n') + QStringLiteral(".rtf");
        if (existing)
            Write_File(folder.filePath(name), Old_Report);
        const QByteArray report("{\\rtf1 the new report}");

        const std::optional<QString> failure = Write_Whole_File(folder.filePath(name), report);

        QCOMPARE(failure, saved ? std::nullopt : std::optional<QString>(QStringLiteral("File name too long")));
        QCOMPARE(Everything_In(folder.path()), existing ? QStringList{name} : QStringList());
        if (existing)
            QCOMPARE(Content_Of(folder.filePath(name)), saved ? report : Old_Report);
    }

    void folderNamesAreKnown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("folder");

        QTest::newRow("a name ending with a slash") << QStringLiteral("reports/") << true;
        QTest::newRow("a folder that exists") << QStringLiteral("reports") << true;
        QTest::newRow("the folder above") << QStringLiteral("..") << true;
        QTest::newRow("this folder") << QStringLiteral(".") << true;
        QTest::newRow("a file in the folder") << QStringLiteral("reports/reading") << false;
        QTest::newRow("a new name") << QStringLiteral("reading.pdf") << false;
        QTest::newRow("a hidden file") << QStringLiteral(".rtf") << false;
    }

    void folderNamesAreKnown()
    {
        QFETCH(QString, name);
        QFETCH(bool, folder);
        QTemporaryDir scratch;
        QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("reports")));

        QCOMPARE(Names_A_Folder(scratch.filePath(name)), folder);
    }
};

QTEST_GUILESS_MAIN(TestReportFile)
#include "test_report_file.moc"
