#include <QtTest>

#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "hostile_disk.h"
#include "report/frmGemologySave.h"
#include "report_fixtures.h"
#include "saved_files.h"
#include "shell/sub_programs.h"
#include "shell/version.h"
#include "support/scripted_prompts.h"

#include <QAbstractButton>
#include <QRegularExpression>

#include <memory>

namespace {

// Someone born on 15 January 1980 at 12:00 in Greenwich; with `zone`, on the place's zone of
// the moment, whose note the reading then carries.
BirthData greenwichBirth(bool zone)
{
    BirthData birth;
    birth.name = QStringLiteral("ADA");
    birth.day = 15;
    birth.year = 1980;
    birth.hour = 12;
    birth.city = QStringLiteral("Greenwich");
    birth.country = QStringLiteral("United Kingdom");
    birth.latitudeDegrees = 51;
    birth.latitudeMinutes = 29;
    if (zone)
        birth.atlasZone = AtlasZone{0, std::nullopt, QStringLiteral("GMT")};
    return birth;
}

frmGemologyDisplay* display()
{
    return qobject_cast<frmGemologyDisplay*>(Sub_Programs::obtain(SubWindow::Display));
}

// The report window of that reading, as the display window makes it.
std::unique_ptr<QWidget> reportOf(const BirthData& birth)
{
    Person person;
    person.birth = birth;
    display()->showReading(Make_Gemology_Reading(birth), person);
    return std::unique_ptr<QWidget>(display()->makeReport());
}

// Saves the report as PDF under that name: the file's name on the disk, or the message shown.
QString savedPdf(QWidget& report, const QString& path)
{
    ScriptedPrompts prompts;
    prompts.savePaths = {path};
    report.findChild<QAbstractButton*>(QStringLiteral("cmdSavePdf"))->click();
    const QString saved = path.endsWith(QStringLiteral(".pdf")) ? path : path + QStringLiteral(".pdf");
    return prompts.messages.isEmpty() && QFileInfo::exists(saved) ? saved : prompts.lastMessage();
}

// What one of poppler's tools says; empty when it is not installed.
QString poppler(const char* tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (program.isEmpty())
        return {};
    QProcess run;
    run.start(program, arguments);
    run.waitForFinished(-1);
    return QString::fromUtf8(run.readAllStandardOutput());
}

#define POPPLER(result, tool, ...)                                             \
    const QString result = poppler(tool, __VA_ARGS__);                         \
    if (result.isEmpty())                                                      \
        QSKIP(tool " (poppler-utils) is not installed or read nothing");

}  // namespace

class TestFrmGemologySavePdf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Register_Windows(); }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        Sub_Programs::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void wholeReadingReadsBack_data()
    {
        QTest::addColumn<bool>("notes");
        QTest::newRow("with notes") << true;
        QTest::newRow("without notes") << false;
    }

    // Page 1 at a glance, then every text of the report in order, pictures, fonts and title.
    void wholeReadingReadsBack()
    {
        QFETCH(bool, notes);
        QTemporaryDir folder;
        const GemologyReading reading = Make_Gemology_Reading(greenwichBirth(notes));
        const std::unique_ptr<QWidget> report = reportOf(greenwichBirth(notes));
        const QString pdf = savedPdf(*report, folder.filePath(QStringLiteral("reading")));
        QCOMPARE(pdf, folder.filePath(QStringLiteral("reading.pdf")));
        QVERIFY(QFileInfo(pdf).size() < 1536 * 1024);

        POPPLER(text, "pdftotext", {pdf, QStringLiteral("-")});
        QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
        const QString first = pages.takeFirst().simplified();
        for (const QString& shown : {QStringLiteral("Gemology reading for ADA"), QStringLiteral("15 January 1980"),
                                     QStringLiteral("12:00"), QStringLiteral("Greenwich, United Kingdom"),
                                     QStringLiteral("51°29′ N, 0°00′ E"), QStringLiteral("UTC+00:00"),
                                     Report_Text(reading.birthStone), Report_Text(reading.sunSign),
                                     Report_Text(reading.sunStone), Report_Text(reading.moonSign),
                                     Report_Text(reading.moonStone)})
            QVERIFY2(first.contains(shown), qPrintable(shown + QStringLiteral(" in ") + first));
        QCOMPARE(first.contains(QString::fromStdString(reading.moonSignMoment.value_or("(none)")).simplified()), notes);
        QVERIFY(!first.contains(QStringLiteral("Borth Stone")));
        QString body;
        for (qsizetype at = 0; at < pages.size(); ++at) {
            const QString foot = QStringLiteral("Page %1 of %2").arg(at + 2).arg(pages.size() + 1);
            QVERIFY2(pages.at(at).contains(Program_Title_And_Version) && pages.at(at).contains(foot), qPrintable(foot));
            body += pages[at].remove(Program_Title_And_Version).remove(foot) + u' ';
        }
        body = body.simplified();
        qsizetype from = 0;
        for (const TextRun& run : Build_Report_Runs(display()->reportTexts())) {
            from = body.indexOf(run.text.simplified(), from);
            QVERIFY2(from >= 0, qPrintable(run.text.left(60)));
        }

        POPPLER(images, "pdfimages", QStringLiteral("-list -f 1 -l 1 ").split(u' ', Qt::SkipEmptyParts) << pdf);
        QVERIFY2(images.count(QRegularExpression(QStringLiteral("\\n +1 +\\d+ image "))) >= 5, qPrintable(images));
        POPPLER(fonts, "pdffonts", {pdf});
        const QStringList fontRows = fonts.split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fontRows.isEmpty());
        for (const QString& row : fontRows)
            QVERIFY2(row.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$"))), qPrintable(row));
        POPPLER(info, "pdfinfo", {pdf});
        const QString about = info.simplified();
        QVERIFY2(about.contains(QStringLiteral("Title: Gemology reading for ADA Creator: ") + Program_Title_And_Version + u' '),
                 qPrintable(info));
    }

    void linksAreClickable()
    {
        QTemporaryDir folder;
        ReportTexts texts = Report_Texts_Of(January_Reading());
        texts.sunText += QStringLiteral(" Read http://gems.example/ruby today.");
        frmGemologySave report(texts, Reading_Summary_Of(greenwichBirth(false), January_Reading()));

        POPPLER(links, "pdfinfo", {QStringLiteral("-url"), savedPdf(report, folder.filePath(QStringLiteral("a.pdf")))});
        QVERIFY2(links.contains(QStringLiteral("http://gems.example/ruby")), qPrintable(links));
    }

    void paperFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("paper");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("(A4)");
        QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("(letter)");
        QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << QStringLiteral("(A4)");
    }

    void paperFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, paper);
        QLocale::setDefault(locale);
        QTemporaryDir folder;
        const std::unique_ptr<QWidget> report = reportOf(greenwichBirth(false));

        POPPLER(info, "pdfinfo", {savedPdf(*report, folder.filePath(QStringLiteral("reading.pdf")))});
        const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Page size: +(.*)\\n")).match(info);
        QVERIFY2(size.captured(1).endsWith(paper), qPrintable(size.captured(1)));
    }

    // Both formats refuse a name that is a folder, and keep what was there when a save fails.
    void hostileSavesKeepWhatWasThere_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");

        for (const QByteArray& button : {QByteArray("cmdSave"), QByteArray("cmdSavePdf")}) {
            const QString old = button == "cmdSave" ? QStringLiteral("old.rtf") : QStringLiteral("old.pdf");
            const auto row = [&](const char* what) -> QTestData& { return QTest::newRow((button + ": " + what).constData()); };
            const QString folder = QStringLiteral("That name is a folder");
            row("only a folder") << button << QStringLiteral("folder") << QStringLiteral("reports/") << folder;
            row("a folder without its slash") << button << QStringLiteral("folder") << QStringLiteral("reports") << folder;
            row("name too long") << button << QStringLiteral("folder") << QString(300, u'n') + old
                                 << QStringLiteral("File name too long");
            row("read-only folder") << button << QStringLiteral("read-only") << old << QStringLiteral("is not writable");
            row("full disk") << button << QStringLiteral("full") << old << QStringLiteral("No space left on device");
        }
    }

    void hostileSavesKeepWhatWasThere()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, place);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        FullDisk disk;
        QTemporaryDir scratch;
        const bool onDisk = place != QStringLiteral("folder");
        if (onDisk && !disk.unusable().isEmpty())
            QSKIP(qPrintable(disk.unusable()));
        const QDir folder(onDisk ? disk.path() : scratch.path());
        QVERIFY(folder.mkdir(QStringLiteral("reports")));
        if (onDisk)
            Write_File(folder.filePath(name), "the report saved before");
        if (place == QStringLiteral("full"))
            disk.fill();
        if (place == QStringLiteral("read-only"))
            QVERIFY(disk.makeReadOnly());
        const auto everything = [&] {
            const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
            return folder.entryList(all) + QDir(folder.filePath(QStringLiteral("reports"))).entryList(all);
        };
        const QStringList before = everything();
        ScriptedPrompts prompts;
        prompts.savePaths = {folder.filePath(name)};
        const std::unique_ptr<QWidget> report = reportOf(greenwichBirth(false));

        report->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();

        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.constFirst().icon, Prompts::Icon::Error);
        QVERIFY2(prompts.lastMessage().contains(QDir::toNativeSeparators(folder.filePath(name)))
                     && prompts.lastMessage().contains(reason),
                 qPrintable(prompts.lastMessage()));
        QCOMPARE(everything(), before);
        if (onDisk)
            QCOMPARE(Content_Of(folder.filePath(name)), QByteArray("the report saved before"));
        QCOMPARE(prompts.saveRequests.constFirst().filter,
                 button == "cmdSave" ? QStringLiteral("Rich Text Format (*.rtf)") : QStringLiteral("PDF (*.pdf)"));
    }
};

QTEST_MAIN(TestFrmGemologySavePdf)
#include "test_frmGemologySavePdf.moc"
