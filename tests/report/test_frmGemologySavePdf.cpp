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
BirthData Greenwich_Birth(bool zone)
{
    BirthData birth;
    birth.name = QStringLiteral("ADA");
    birth.month = 1;
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

// The report window of that reading, as the display window makes it.
std::unique_ptr<QWidget> Report_Of(const BirthData& birth)
{
    auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::obtain(SubWindow::Display));
    display->showReading(Make_Gemology_Reading(birth), birth);
    return std::unique_ptr<QWidget>(display->makeReport());
}

void Press(QWidget& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY(button);
    button->click();
}

// What one of poppler's tools says about a file; the test is skipped when it is not installed.
QString Poppler(const char* tool, QStringList arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (program.isEmpty())
        return {};
    QProcess run;
    run.start(program, arguments);
    run.waitForFinished(-1);
    return QString::fromUtf8(run.readAllStandardOutput());
}

#define POPPLER(result, tool, ...)                                                       \
    const QString result = Poppler(tool, __VA_ARGS__);                                   \
    if (result.isEmpty())                                                                \
        QSKIP(tool " (poppler-utils) is not installed or read nothing");

// Saves the report as PDF under that name; what the file is called on the disk.
QString Saved_Pdf(QWidget& report, const QString& path)
{
    ScriptedPrompts prompts;
    prompts.savePaths = {path};
    Press(report, "cmdSavePdf");
    const QString saved = path.endsWith(QStringLiteral(".pdf")) ? path : path + QStringLiteral(".pdf");
    return prompts.messages.isEmpty() && QFileInfo::exists(saved) ? saved : prompts.lastMessage();
}

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

    void firstPageAtAGlance_data()
    {
        QTest::addColumn<bool>("notes");
        QTest::newRow("with notes") << true;
        QTest::newRow("without notes") << false;
    }

    void firstPageAtAGlance()
    {
        QFETCH(bool, notes);
        QTemporaryDir folder;
        const BirthData birth = Greenwich_Birth(notes);
        const GemologyReading reading = Make_Gemology_Reading(birth);
        const std::unique_ptr<QWidget> report = Report_Of(birth);
        const QString pdf = Saved_Pdf(*report, folder.filePath(QStringLiteral("reading")));
        QCOMPARE(pdf, folder.filePath(QStringLiteral("reading.pdf")));

        POPPLER(page, "pdftotext", {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
        const QString first = page.simplified();
        for (const QString& shown : {QStringLiteral("Gemology reading for ADA"), QStringLiteral("15 January 1980"),
                                     QStringLiteral("12:00"), QStringLiteral("Greenwich, United Kingdom"),
                                     QStringLiteral("51°29′ N, 0°00′ E"), QStringLiteral("UTC+00:00"),
                                     Report_Text(reading.birthStone), Report_Text(reading.sunSign),
                                     Report_Text(reading.sunStone), Report_Text(reading.moonSign),
                                     Report_Text(reading.moonStone)})
            QVERIFY2(first.contains(shown), qPrintable(shown + QStringLiteral(" in ") + first));
        QCOMPARE(first.contains(QStringLiteral("Notes On Your Reading")), notes);
        if (notes)
            QVERIFY(first.contains(QString::fromStdString(*reading.moonSignMoment).simplified()));
        QVERIFY(!first.contains(QStringLiteral("Borth Stone")));
    }

    void followingPagesHoldTheReportInOrder()
    {
        QTemporaryDir folder;
        const std::unique_ptr<QWidget> report = Report_Of(Greenwich_Birth(true));
        const QString pdf = Saved_Pdf(*report, folder.filePath(QStringLiteral("reading.pdf")));
        const ReportTexts shown = qobject_cast<frmGemologyDisplay*>(Sub_Programs::instance(SubWindow::Display))->reportTexts();

        POPPLER(all, "pdftotext", {QStringLiteral("-f"), QStringLiteral("2"), pdf, QStringLiteral("-")});
        const QStringList pages = all.split(u'\f', Qt::SkipEmptyParts);
        QString body;
        for (qsizetype at = 0; at < pages.size(); ++at) {
            const QString foot = QStringLiteral("Page %1 of %2").arg(at + 2).arg(pages.size() + 1);
            QVERIFY2(pages.at(at).contains(Program_Title_And_Version) && pages.at(at).contains(foot), qPrintable(foot));
            body += QString(pages.at(at)).remove(Program_Title_And_Version).remove(foot) + u' ';
        }
        // The type's ligatures ("ﬁ") come back as such.
        body = body.normalized(QString::NormalizationForm_KC).simplified();
        qsizetype from = 0;
        for (const TextRun& run : Build_Report_Runs(shown)) {
            const QString text = run.text.simplified();
            const qsizetype at = body.indexOf(text, from);
            QVERIFY2(at >= 0, qPrintable(text.left(60)));
            from = at + text.size();
        }
    }

    void picturesFontsTitleAndLinks()
    {
        QTemporaryDir folder;
        ReportTexts texts = Report_Texts_Of(January_Reading());
        texts.sunText += QStringLiteral(" Read http://gems.example/ruby today.");
        frmGemologySave report(texts, Reading_Summary_Of(Greenwich_Birth(false), January_Reading()));
        const QString pdf = Saved_Pdf(report, folder.filePath(QStringLiteral("reading.pdf")));

        POPPLER(images, "pdfimages", {QStringLiteral("-list"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf});
        QVERIFY2(images.count(QRegularExpression(QStringLiteral("\\n +1 +\\d+ image "))) >= 5, qPrintable(images));
        POPPLER(fonts, "pdffonts", {pdf});
        const QStringList fontRows = fonts.split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fontRows.isEmpty());
        for (const QString& row : fontRows)
            QVERIFY2(row.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$"))), qPrintable(row));
        POPPLER(info, "pdfinfo", {QStringLiteral("-url"), pdf});
        QVERIFY2(info.contains(QStringLiteral("http://gems.example/ruby")), qPrintable(info));
        POPPLER(about, "pdfinfo", {pdf});
        QVERIFY2(about.contains(QRegularExpression(QStringLiteral("Title: +Gemology reading for ADA\\n"))), qPrintable(about));
        QVERIFY2(about.contains(QRegularExpression(QStringLiteral("Creator: +") + QRegularExpression::escape(Program_Title_And_Version))), qPrintable(about));
        QVERIFY(QFileInfo(pdf).size() < 1536 * 1024);
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
        const std::unique_ptr<QWidget> report = Report_Of(Greenwich_Birth(false));
        const QString pdf = Saved_Pdf(*report, folder.filePath(QStringLiteral("reading.pdf")));

        POPPLER(info, "pdfinfo", {pdf});
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
            const QString suffix = button == "cmdSave" ? QStringLiteral(".rtf") : QStringLiteral(".pdf");
            const auto row = [&](const char* what) -> QTestData& { return QTest::newRow((button + ": " + what).constData()); };
            row("only a folder") << button << QStringLiteral("folder") << QStringLiteral("reports/")
                                 << QStringLiteral("That name is a folder");
            row("a folder without its slash") << button << QStringLiteral("folder") << QStringLiteral("reports")
                                              << QStringLiteral("That name is a folder");
            row("name too long") << button << QStringLiteral("folder") << QString(300, u'n') + suffix
                                 << QStringLiteral("File name too long");
            row("read-only folder") << button << QStringLiteral("read-only") << QStringLiteral("old") + suffix
                                    << QStringLiteral("is not writable");
            row("full disk") << button << QStringLiteral("full") << QStringLiteral("old") + suffix
                             << QStringLiteral("No space left on device");
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
        if (place != QStringLiteral("folder") && !disk.unusable().isEmpty())
            QSKIP(qPrintable(disk.unusable()));
        const QDir folder(place == QStringLiteral("folder") ? scratch.path() : disk.path());
        QVERIFY(folder.mkdir(QStringLiteral("reports")));
        const QString old = folder.filePath(name);
        if (place != QStringLiteral("folder"))
            Write_File(old, "the report saved before");
        if (place == QStringLiteral("full"))
            disk.fill();
        if (place == QStringLiteral("read-only"))
            QVERIFY(disk.makeReadOnly());
        const auto everything = [&] {
            return QStringList{folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)}
                 + QDir(folder.filePath(QStringLiteral("reports"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        const QStringList before = everything();
        ScriptedPrompts prompts;
        prompts.savePaths = {folder.filePath(name)};
        const std::unique_ptr<QWidget> report = Report_Of(Greenwich_Birth(false));

        Press(*report, button.constData());

        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.constFirst().icon, Prompts::Icon::Error);
        QVERIFY2(prompts.lastMessage().contains(QDir::toNativeSeparators(folder.filePath(name)))
                     && prompts.lastMessage().contains(reason),
                 qPrintable(prompts.lastMessage()));
        QCOMPARE(everything(), before);
        if (place != QStringLiteral("folder"))
            QCOMPARE(Content_Of(old), QByteArray("the report saved before"));
    }
};

QTEST_MAIN(TestFrmGemologySavePdf)
#include "test_frmGemologySavePdf.moc"
