#include <QtTest>

#include "gemology/clipboard_gestures.h"
#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "report/frmGemologySave.h"
#include "hostile_disk.h"
#include "report_fixtures.h"
#include "rtf_test_reader.h"
#include "saved_files.h"
#include "shell/sub_programs.h"
#include "shell/widgets/clipboard_guard.h"
#include "support/scripted_prompts.h"
#include "support/url_catcher.h"
#include "unrtf_reader.h"

#include <QClipboard>
#include <QAbstractButton>
#include <QAction>
#include <QMimeData>
#include <QTextEdit>

namespace {

// The report as a reader gives it back: the report's table, each CR LF read as one "\n".
QList<TextRun> readBackReport(const ReportTexts& t)
{
    const QString blank = QStringLiteral("\n\n");
    return {
        {QStringLiteral("Borth Stone") + blank, Maroon, true},
        {QStringLiteral("Your Lucky Stone is : "), Green, false},
        {t.birthStone + blank, Red, false},
        {QStringLiteral("More About Your Lucky Stone : "), Green, false},
        {t.birthStoneText + blank, Red, false},
        {QStringLiteral("Gems and SunSign") + blank, Maroon, true},
        {QStringLiteral("Your Sun Sign Is : "), Green, false},
        {t.sunSign + blank, Red, false},
        {QStringLiteral("Your Lucky Stone Is : "), Green, false},
        {t.sunStone + blank, Red, false},
        {QStringLiteral("More About Your Lucky Stone : "), Green, false},
        {t.sunText + blank, Red, false},
        {QStringLiteral("Gems and MoonSign") + blank, Maroon, true},
        {QStringLiteral("Your Moon Sign Is : "), Green, false},
        {t.moonSign + blank, Red, false},
        {QStringLiteral("Your Lucky Stone Is : "), Green, false},
        {t.moonStone + blank, Red, false},
        {QStringLiteral("More About Your Lucky Stone : "), Green, false},
        {t.moonText + blank, Red, false},
    };
}

ReportTexts textsWithLinks()
{
    ReportTexts texts = Report_Texts_Of(January_Reading());
    texts.sunText = QStringLiteral("Read http://gems.example/ruby or www.gems.example today; "
                                   "not ftp://files.example. Long: https://gems.example/")
                  + QString(1100, u'a');
    return texts;
}

QTextEdit* reportBox(QWidget& report)
{
    return report.findChild<QTextEdit*>(QStringLiteral("RTB"));
}

void pressButton(QWidget& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY(button);
    button->click();
}

// The text of a PDF file through poppler's pdftotext or Ghostscript; nothing when neither is installed.
std::optional<QString> pdfText(const QString& pdf)
{
    QProcess tool;
    if (const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext")); !pdftotext.isEmpty())
        tool.start(pdftotext, {pdf, QStringLiteral("-")});
    else if (const QString gs = QStandardPaths::findExecutable(QStringLiteral("gs")); !gs.isEmpty())
        tool.start(gs, {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                        QStringLiteral("-sDEVICE=txtwrite"), QStringLiteral("-sOutputFile=-"), pdf});
    else
        return std::nullopt;
    if (!tool.waitForFinished(-1) || tool.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(tool.readAllStandardOutput()).simplified();
}

}  // namespace

class TestFrmGemologySave : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void savedReportReadsBackAsTheTable();
    void januaryReportBeginsWithTheBirthStone();
    void everyOpeningBuildsTheReportAfresh();
    void savesRichTextWhateverTheName_data();
    void savesRichTextWhateverTheName();
    void savesOverAnExistingFile();
    void failedSaveNamesTheFileAndKeepsWhatWasThere_data();
    void failedSaveNamesTheFileAndKeepsWhatWasThere();
    void fullDiskSaysWhyAndKeepsTheOldReport();
    void cancelledSaveWritesNothing();
    void printsToPdf_data();
    void printsToPdf();
    void printsThePagesAskedFor();
    void cancelledPrintPrintsNothing();
    void printJobNamesThePerson();
    void failedPrintShowsMessage();
    void webAddressesAreLinks();
    void leftPressOnLinkOpensIt_data();
    void leftPressOnLinkOpensIt();
    void clipboardIsClearedOnlyWhenOurs_data();
    void clipboardIsClearedOnlyWhenOurs();
    void reportCannotBeCopied();
};

void TestFrmGemologySave::initTestCase()
{
    Register_Windows();
}

void TestFrmGemologySave::cleanup()
{
    Sub_Programs::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmGemologySave::savedReportReadsBackAsTheTable()
{
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.rtf"));
    prompts.savePaths = {path};
    const ReportTexts texts = Report_Texts_Of(January_Reading());
    frmGemologySave report(texts);

    pressButton(report, "cmdSave");

    QVERIFY(prompts.messages.isEmpty());
    const Rtf_Test_Reader::Document document = Rtf_Test_Reader::read(Content_Of(path));
    QVERIFY2(document.wellFormed, qPrintable(document.error));
    QCOMPARE(document.runs, readBackReport(texts));
    QCOMPARE(document.fontName, QStringLiteral("Verdana"));

    if (Unrtf::program().isEmpty())
        QSKIP("unrtf is not installed");
    const std::optional<QString> html = Unrtf::convert(path, QStringLiteral("--html"));
    QVERIFY(html);
    QCOMPARE(Unrtf::htmlRuns(*html), readBackReport(texts));
}

void TestFrmGemologySave::januaryReportBeginsWithTheBirthStone()
{
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("january.rtf"));
    prompts.savePaths = {path};
    auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::obtain(SubWindow::Display));
    display->showReading(January_Reading());
    frmGemologySave report(display->reportTexts());

    pressButton(report, "cmdSave");

    const QStringList expectedStart = {QStringLiteral("Borth Stone"), QString(),
                                       QStringLiteral("Your Lucky Stone is : Garnet")};
    QCOMPARE(reportBox(report)->toPlainText().split(u'\n').mid(0, 3), expectedStart);
    if (Unrtf::program().isEmpty())
        QSKIP("unrtf is not installed");
    const std::optional<QString> text = Unrtf::convert(path, QStringLiteral("--text"));
    QVERIFY(text);
    const QString body = text->section(QStringLiteral("-----------------\n"), 1);
    QCOMPARE(body.split(u'\n').mid(0, 3), expectedStart);
}

void TestFrmGemologySave::everyOpeningBuildsTheReportAfresh()
{
    const GemologyReading reading = January_Reading();
    QString expected;
    for (const TextRun& run : readBackReport(Report_Texts_Of(reading)))
        expected += run.text;
    auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::obtain(SubWindow::Display));
    display->showReading(reading);
    display->show();
    QStringList shown;

    for (const char* print : {"cmdPrint", "mnuPrint"}) {
        QTimer::singleShot(0, this, [&] {
            QWidget* report = QApplication::activeModalWidget();
            if (report && report == Sub_Programs::instance(SubWindow::Report)) {
                shown.append(reportBox(*report)->toPlainText());
                report->close();
            }
        });
        if (auto* button = display->findChild<QAbstractButton*>(QString::fromLatin1(print)))
            button->click();
        else
            display->findChild<QAction*>(QString::fromLatin1(print))->trigger();
    }

    QCOMPARE(shown, (QStringList{expected, expected}));
    QVERIFY(!Sub_Programs::instance(SubWindow::Report));
}

void TestFrmGemologySave::savesRichTextWhateverTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("no extension") << QStringLiteral("reading") << QStringLiteral("reading.rtf");
    QTest::newRow("rtf") << QStringLiteral("reading.rtf") << QStringLiteral("reading.rtf");
    QTest::newRow("txt") << QStringLiteral("reading.txt") << QStringLiteral("reading.txt");
}

void TestFrmGemologySave::savesRichTextWhateverTheName()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    prompts.savePaths = {folder.filePath(typed)};
    frmGemologySave report(Report_Texts_Of(January_Reading()));

    pressButton(report, "cmdSave");

    QCOMPARE(prompts.saveRequests.size(), 1);
    QCOMPARE(prompts.saveRequests.constFirst().filter, QStringLiteral("Rich Text Format (*.rtf)"));
    QCOMPARE(prompts.saveRequests.constFirst().defaultSuffix, QStringLiteral("rtf"));
    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
    const Rtf_Test_Reader::Document document = Rtf_Test_Reader::read(Content_Of(folder.filePath(written)));
    QVERIFY2(document.wellFormed, qPrintable(document.error));
    QCOMPARE(document.runs.size(), 19);
}

void TestFrmGemologySave::savesOverAnExistingFile()
{
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.rtf"));
    Write_File(path, QByteArray(100000, 'x'));
    prompts.savePaths = {path};
    frmGemologySave report(Report_Texts_Of(January_Reading()));

    pressButton(report, "cmdSave");

    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("reading.rtf")});
    const QByteArray content = Content_Of(path);
    QVERIFY(!content.contains('x' + QByteArray(100, 'x')));
    QVERIFY(Rtf_Test_Reader::read(content).wellFormed);
}

void TestFrmGemologySave::failedSaveNamesTheFileAndKeepsWhatWasThere_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");

    QTest::newRow("file name too long") << QString() << (QString(300, u'n') + QStringLiteral(".rtf"));
    QTest::newRow("system folder that takes no files") << QStringLiteral("/proc") << QStringLiteral("version");
}

void TestFrmGemologySave::failedSaveNamesTheFileAndKeepsWhatWasThere()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QTemporaryDir scratch;
    const QDir place(folder.isEmpty() ? scratch.path() : folder);
    const QString path = place.filePath(name);
    const QStringList before = place.entryList(QDir::Files | QDir::Hidden | QDir::System);
    const QByteArray oldContent = Content_Of(path);
    ScriptedPrompts prompts;
    prompts.savePaths = {path};
    frmGemologySave report(Report_Texts_Of(January_Reading()));

    pressButton(report, "cmdSave");

    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.constFirst().icon, Prompts::Icon::Error);
    QVERIFY2(prompts.lastMessage().contains(QDir::toNativeSeparators(path)), qPrintable(prompts.lastMessage()));
    QCOMPARE(place.entryList(QDir::Files | QDir::Hidden | QDir::System), before);
    QCOMPARE(Content_Of(path), oldContent);
}

void TestFrmGemologySave::fullDiskSaysWhyAndKeepsTheOldReport()
{
    FullDisk disk;
    if (!disk.unusable().isEmpty())
        QSKIP(qPrintable(disk.unusable()));
    const QString path = QDir(disk.path()).filePath(QStringLiteral("old.rtf"));
    Write_File(path, "{\\rtf1 the report saved before}");
    disk.fill();
    ScriptedPrompts prompts;
    prompts.savePaths = {path};
    frmGemologySave report(Report_Texts_Of(January_Reading()));

    pressButton(report, "cmdSave");

    QCOMPARE(prompts.messages.size(), 1);
    QVERIFY2(prompts.lastMessage().contains(QDir::toNativeSeparators(path)), qPrintable(prompts.lastMessage()));
    QVERIFY2(prompts.lastMessage().contains(QStringLiteral("No space left on device")), qPrintable(prompts.lastMessage()));
    QCOMPARE(Content_Of(path), QByteArray("{\\rtf1 the report saved before}"));
}

void TestFrmGemologySave::cancelledSaveWritesNothing()
{
    ScriptedPrompts prompts;
    frmGemologySave report(Report_Texts_Of(January_Reading()));

    pressButton(report, "cmdSave");

    QCOMPARE(prompts.saveRequests.size(), 1);
    QVERIFY(prompts.messages.isEmpty());
}

void TestFrmGemologySave::printsToPdf_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("notPrinted");

    QTest::newRow("whole report") << QString()
                                  << QStringList{QStringLiteral("Borth Stone"), QStringLiteral("Gems and MoonSign")}
                                  << QStringList{};
    QTest::newRow("selection") << QStringLiteral("Gems and SunSign")
                               << QStringList{QStringLiteral("Gems and SunSign")}
                               << QStringList{QStringLiteral("Borth Stone"), QStringLiteral("Gems and MoonSign")};
}

void TestFrmGemologySave::printsToPdf()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, notPrinted);
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    prompts.printToPdf = folder.filePath(QStringLiteral("report.pdf"));
    frmGemologySave report(Report_Texts_Of(January_Reading()));
    if (!selected.isEmpty())
        reportBox(report)->setTextCursor(reportBox(report)->document()->find(selected));

    pressButton(report, "cmdPrint");

    QCOMPARE(prompts.printerSelectionPresets, QList<bool>{!selected.isEmpty()});
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(Content_Of(prompts.printToPdf).startsWith("%PDF"));
    const std::optional<QString> text = pdfText(prompts.printToPdf);
    if (!text)
        QSKIP("neither pdftotext nor Ghostscript is installed to read the printed text");
    for (const QString& part : printed)
        QVERIFY2(text->contains(part), qPrintable(part));
    for (const QString& part : notPrinted)
        QVERIFY2(!text->contains(part), qPrintable(part));
}

void TestFrmGemologySave::printsThePagesAskedFor()
{
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    prompts.printToPdf = folder.filePath(QStringLiteral("report.pdf"));
    prompts.printFirstPage = prompts.printLastPage = 2;
    ReportTexts texts = Report_Texts_Of(January_Reading());
    texts.birthStoneText = QStringLiteral("A long description. ").repeated(400);
    frmGemologySave report(texts);

    pressButton(report, "cmdPrint");

    QVERIFY(prompts.messages.isEmpty());
    const std::optional<QString> text = pdfText(prompts.printToPdf);
    if (!text)
        QSKIP("neither pdftotext nor Ghostscript is installed to read the printed text");
    QVERIFY2(text->contains(QStringLiteral("A long description.")), qPrintable(text->left(200)));
    QVERIFY2(!text->contains(QStringLiteral("Borth Stone")), qPrintable(text->left(200)));  // the first page's heading
}

void TestFrmGemologySave::cancelledPrintPrintsNothing()
{
    ScriptedPrompts prompts;
    frmGemologySave report(Report_Texts_Of(January_Reading()));

    pressButton(report, "cmdPrint");

    QCOMPARE(prompts.printerSelectionPresets, QList<bool>{false});
    QCOMPARE(prompts.printJobNames, QStringList{QStringLiteral("Zev Gemmarium \u2013 Gemology report")});
    QVERIFY(prompts.messages.isEmpty());
}

void TestFrmGemologySave::printJobNamesThePerson()
{
    ScriptedPrompts prompts;
    ReadingSummary summary;
    summary.name = QStringLiteral("ADA");
    frmGemologySave report(Report_Texts_Of(January_Reading()), summary);

    pressButton(report, "cmdPrint");

    QCOMPARE(prompts.printJobNames, QStringList{QStringLiteral("Zev Gemmarium \u2013 Gemology report for ADA")});
}

void TestFrmGemologySave::failedPrintShowsMessage()
{
    ScriptedPrompts prompts;
    prompts.printToPdf = QStringLiteral("/proc/report.pdf");
    frmGemologySave report(Report_Texts_Of(January_Reading()));

    pressButton(report, "cmdPrint");

    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.constFirst().icon, Prompts::Icon::Error);
}

void TestFrmGemologySave::webAddressesAreLinks()
{
    frmGemologySave report(textsWithLinks());
    QTextDocument* document = reportBox(report)->document();

    for (const QString& address : {QStringLiteral("http://gems.example/ruby"), QStringLiteral("www.gems.example")}) {
        QTextCursor found = document->find(address);
        QVERIFY2(!found.isNull(), qPrintable(address));
        found.setPosition(found.selectionStart() + 1);
        QVERIFY(found.charFormat().isAnchor());
        QCOMPARE(found.charFormat().anchorHref(), address);
    }
    QTextCursor plain = document->find(QStringLiteral("ftp://files.example"));
    plain.setPosition(plain.selectionStart() + 1);
    QVERIFY(!plain.charFormat().isAnchor());
}

void TestFrmGemologySave::leftPressOnLinkOpensIt_data()
{
    QTest::addColumn<QString>("at");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QList<QUrl>>("opened");

    QTest::newRow("http link, left button") << QStringLiteral("http://gems.example/ruby") << Qt::LeftButton
                                            << QList<QUrl>{QUrl(QStringLiteral("http://gems.example/ruby"))};
    QTest::newRow("www link, left button") << QStringLiteral("www.gems.example") << Qt::LeftButton
                                           << QList<QUrl>{QUrl(QStringLiteral("https://www.gems.example"))};
    QTest::newRow("link, right button") << QStringLiteral("http://gems.example/ruby") << Qt::RightButton
                                        << QList<QUrl>{};
    QTest::newRow("plain text") << QStringLiteral("Borth Stone") << Qt::LeftButton << QList<QUrl>{};
    QTest::newRow("link over 1024 characters") << QStringLiteral("https://gems.example/aaa") << Qt::LeftButton
                                               << QList<QUrl>{};
}

void TestFrmGemologySave::leftPressOnLinkOpensIt()
{
    QFETCH(QString, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QList<QUrl>, opened);
    UrlCatcher addresses;
    frmGemologySave report(textsWithLinks());
    report.show();
    QTextEdit* box = reportBox(report);
    QTextCursor place = box->document()->find(at);
    QVERIFY(!place.isNull());
    place.setPosition(place.selectionStart() + 2);
    box->setTextCursor(place);
    box->ensureCursorVisible();

    QTest::mousePress(box->viewport(), button, {}, box->cursorRect(place).center());

    QCOMPARE(addresses.opened, opened);
}

void TestFrmGemologySave::clipboardIsClearedOnlyWhenOurs_data()
{
    QTest::addColumn<bool>("ours");

    QTest::newRow("our own text") << true;
    QTest::newRow("another program's text") << false;
}

void TestFrmGemologySave::clipboardIsClearedOnlyWhenOurs()
{
    QFETCH(bool, ours);
    frmGemologySave report(Report_Texts_Of(January_Reading()));
    report.show();

    Check_Clipboard_Cleared_Only_When_Ours(Mouse_Gestures(reportBox(report)->viewport()), ours);
}

void TestFrmGemologySave::reportCannotBeCopied()
{
    frmGemologySave report(Report_Texts_Of(January_Reading()));
    report.show();
    QTextEdit* box = reportBox(report);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    box->selectAll();

    QTest::keySequence(box, QKeySequence::Copy);
    box->setFocus();
    QTest::keySequence(box->viewport(), QKeySequence::Copy);

    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
}

QTEST_MAIN(TestFrmGemologySave)
#include "test_frmGemologySave.moc"
