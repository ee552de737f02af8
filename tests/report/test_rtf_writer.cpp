#include <QtTest>

#include "report/rtf_writer.h"
#include "report_fixtures.h"
#include "rtf_test_reader.h"
#include "unrtf_reader.h"

namespace {

const RtfFont Verdana{QStringLiteral("Verdana"), 9.75};

// A long text of every kind of character the writer treats specially.
QString Long_Hostile_Text()
{
    const QString piece = QStringLiteral("Gem {\\} é ü 宝石 💎\ttab\r\nline ");
    QString text;
    while (text.size() < 100000)
        text += piece;
    return text;
}

QString Read_Back_Of_Long_Text()
{
    QString text = Long_Hostile_Text();
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// unrtf writes a run of blanks as one blank and a tab as blanks, so compare with blanks merged.
QString Blanks_Merged(QString text)
{
    text.replace(QChar(0xa0), u' ').replace(u'\t', u' ');
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    return text.replace(blanks, QStringLiteral(" "));
}

QString Written_File(QTemporaryDir& folder, const QList<TextRun>& runs)
{
    const QString path = folder.filePath(QStringLiteral("written.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Write_Rtf(runs, Verdana)) < 0)
        return {};
    return path;
}

}  // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT

private slots:
    void hostileText_data();
    void readsBackHostileText();
    void readsBackHostileText_data() { hostileText_data(); }
    void unrtfReadsBackHostileText();
    void unrtfReadsBackHostileText_data() { hostileText_data(); }
    void keepsColoursAndBoldOfEachRun();
};

void TestRtfWriter::hostileText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("backslashes") << QStringLiteral("C:\\stones\\\\new\\") << QStringLiteral("C:\\stones\\\\new\\");
    QTest::newRow("braces") << QStringLiteral("{gem} }{ {{") << QStringLiteral("{gem} }{ {{");
    QTest::newRow("text that looks like RTF") << QStringLiteral("\\par {\\b not bold} \\u233? \\'e9")
                                              << QStringLiteral("\\par {\\b not bold} \\u233? \\'e9");
    QTest::newRow("CR LF is one break") << QStringLiteral("one\r\ntwo") << QStringLiteral("one\ntwo");
    QTest::newRow("lone CR is one break") << QStringLiteral("one\rtwo") << QStringLiteral("one\ntwo");
    QTest::newRow("lone LF is one break") << QStringLiteral("one\ntwo") << QStringLiteral("one\ntwo");
    QTest::newRow("LF CR is two breaks") << QStringLiteral("one\n\rtwo") << QStringLiteral("one\n\ntwo");
    QTest::newRow("breaks at both ends") << QStringLiteral("\r\n\r\nmiddle\r\n") << QStringLiteral("\n\nmiddle\n");
    QTest::newRow("tabs") << QStringLiteral("\tA\t\tB\t") << QStringLiteral("\tA\t\tB\t");
    QTest::newRow("accents") << QStringLiteral("Café über Ünïcödé") << QStringLiteral("Café über Ünïcödé");
    QTest::newRow("CJK") << QStringLiteral("宝石と水晶の本") << QStringLiteral("宝石と水晶の本");
    QTest::newRow("emoji beyond the basic plane") << QStringLiteral("Gem 💎 and 🔮!") << QStringLiteral("Gem 💎 and 🔮!");
    QTest::newRow("question marks after accents") << QStringLiteral("é?ü??") << QStringLiteral("é?ü??");
    QTest::newRow("leading blank and digit") << QStringLiteral(" 1st stone") << QStringLiteral(" 1st stone");
    QTest::newRow("control characters dropped")
        << (QStringLiteral("a") + QChar(0) + QStringLiteral("b\x01\x1f\x7f") + QChar(0x85) + QStringLiteral("c"))
        << QStringLiteral("abc");
    QTest::newRow("lone surrogates dropped")
        << (QStringLiteral("x") + QChar(0xd800) + QStringLiteral("y") + QChar(0xdc00))
        << QStringLiteral("xy");
    QTest::newRow("100 000 characters") << Long_Hostile_Text() << Read_Back_Of_Long_Text();
}

void TestRtfWriter::readsBackHostileText()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);

    const Rtf_Test_Reader::Document document = Rtf_Test_Reader::read(Write_Rtf({{text, Red, true}}, Verdana));

    QVERIFY2(document.wellFormed, qPrintable(document.error));
    QCOMPARE(document.runs.size(), 1);
    QCOMPARE(document.runs.constFirst().text, readBack);
    QCOMPARE(document.runs.constFirst().colour, Red);
    QVERIFY(document.runs.constFirst().bold);
}

void TestRtfWriter::unrtfReadsBackHostileText()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    if (Unrtf::program().isEmpty())
        QSKIP("unrtf is not installed");
    QTemporaryDir folder;
    const QString path = Written_File(folder, {{text, Green, false}});
    QVERIFY(!path.isEmpty());

    const std::optional<QString> html = Unrtf::convert(path, QStringLiteral("--html"));

    QVERIFY(html);
    const QList<TextRun> runs = Unrtf::htmlRuns(*html);
    QCOMPARE(runs.size(), 1);
    QCOMPARE(Blanks_Merged(runs.constFirst().text), Blanks_Merged(readBack));
    QCOMPARE(runs.constFirst().colour, Green);
    QVERIFY(!runs.constFirst().bold);
}

void TestRtfWriter::keepsColoursAndBoldOfEachRun()
{
    const QList<TextRun> runs = {
        {QStringLiteral("Heading\r\n\r\n"), Maroon, true},
        {QStringLiteral("Label : "), Green, false},
        {QStringLiteral("value\r\n"), Red, false},
        {QStringLiteral("Second label : "), Green, false},
        {QStringLiteral("bold value"), Red, true},
    };
    const QList<TextRun> readBack = {
        {QStringLiteral("Heading\n\n"), Maroon, true},
        {QStringLiteral("Label : "), Green, false},
        {QStringLiteral("value\n"), Red, false},
        {QStringLiteral("Second label : "), Green, false},
        {QStringLiteral("bold value"), Red, true},
    };

    const Rtf_Test_Reader::Document document = Rtf_Test_Reader::read(Write_Rtf(runs, Verdana));

    QVERIFY2(document.wellFormed, qPrintable(document.error));
    QCOMPARE(document.runs, readBack);
    QCOMPARE(document.colours.mid(1), (QList<RgbColour>{Maroon, Green, Red}));
    QCOMPARE(document.fontName, QStringLiteral("Verdana"));
    QCOMPARE(document.fontHalfPoints, 20);

    if (Unrtf::program().isEmpty())
        QSKIP("unrtf is not installed");
    QTemporaryDir folder;
    const std::optional<QString> html = Unrtf::convert(Written_File(folder, runs), QStringLiteral("--html"));
    QVERIFY(html);
    QCOMPARE(Unrtf::htmlRuns(*html), readBack);
}

QTEST_MAIN(TestRtfWriter)
#include "test_rtf_writer.moc"
