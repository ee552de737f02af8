#include "birthplace/atlas_reader_process.h"
#include "birthplace/atlas_stream.h"
#include "birthplace/birth_zone.h"
#include "birthplace/name_catalogue.h"
#include "birthplace/place_index.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using namespace std::chrono_literals;

class TestAtlasReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogueGivesEveryName_data();
    void catalogueGivesEveryName();
    void damagedCatalogueGivesNothing_data();
    void damagedCatalogueGivesNothing();
    void recordsThatAreNoPlaceAreLeftOut_data();
    void recordsThatAreNoPlaceAreLeftOut();
    void answerThatIsNoAtlasSaysWhy_data();
    void answerThatIsNoAtlasSaysWhy();
    void answerReadInPiecesReadsAlike_data();
    void answerReadInPiecesReadsAlike();
    void failingReaderLeavesTheReason_data();
    void failingReaderLeavesTheReason();
    void closingProgramEndsTheReader();
    void libraryHoldsTheTownsOfTheWorld();

private:
    // A reader standing in for the real one: a shell script of these lines.
    QString readerDouble(const QString& name, const QByteArray& script) const;

    QTemporaryDir folder;
};

namespace {

// A GNU .mo catalogue of these pairs, in either byte order.
QByteArray Catalogue_Of(const QList<std::pair<QByteArray, QByteArray>>& pairs, bool bigEndian = false)
{
    QByteArray bytes;
    const auto word = [&](quint32 value) {
        for (int byte = 0; byte < 4; ++byte)
            bytes.append(char(bigEndian ? value >> (24 - 8 * byte) : value >> (8 * byte)));
    };
    const quint32 count = quint32(pairs.size());
    const quint32 originals = 28, translations = originals + 8 * count;
    quint32 text = translations + 8 * count;
    word(0x950412de);
    for (const quint32 value : {0u, count, originals, translations, 0u, 0u})
        word(value);
    QByteArray texts;
    for (const bool translated : {false, true}) {
        for (const auto& [original, translation] : pairs) {
            const QByteArray& written = translated ? translation : original;
            word(quint32(written.size()));
            word(text);
            texts += written + '\0';
            text += quint32(written.size()) + 1;
        }
    }
    return bytes + texts;
}

QStringList Pairs_Read(const QByteArray& catalogue, bool* whole = nullptr)
{
    QStringList read;
    const bool done = Read_Name_Catalogue(std::string_view(catalogue.data(), std::size_t(catalogue.size())),
                                          [&](std::string_view original, std::string_view translation) {
                                              read.append(QString::fromUtf8(original.data(), qsizetype(original.size()))
                                                          + u'=' + QString::fromUtf8(translation.data(), qsizetype(translation.size())));
                                          });
    if (whole)
        *whole = done;
    return read;
}

const QByteArray Munich = "P\t2867714\tMunich\tBavaria\tGermany\tEurope/Berlin\t1260391\t48.13743\t11.57549\n";

QByteArray Answer_Of(const QByteArray& lines, int places, int names)
{
    return "zev-atlas 1\n" + lines + "end\t" + QByteArray::number(places) + '\t' + QByteArray::number(names) + '\n';
}

}  // namespace

void TestAtlasReader::initTestCase()
{
    QVERIFY(folder.isValid());
}

QString TestAtlasReader::readerDouble(const QString& name, const QByteArray& script) const
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\n" + script + '\n');
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return file.fileName();
}

void TestAtlasReader::catalogueGivesEveryName_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("little-endian") << false;
    QTest::newRow("big-endian") << true;
}

void TestAtlasReader::catalogueGivesEveryName()
{
    QFETCH(bool, bigEndian);
    const QByteArray catalogue = Catalogue_Of({{"", "Project-Id-Version: geonames"},
                                               {"2867714", "München"},
                                               {"703448", "Київ"},
                                               {"1816670", QByteArray("北京\0北京市", 13)}},
                                              bigEndian);
    bool whole = false;
    QCOMPARE(Pairs_Read(catalogue, &whole), (QStringList{"2867714=München", "703448=Київ", "1816670=北京"}));
    QVERIFY(whole);
}

void TestAtlasReader::damagedCatalogueGivesNothing_data()
{
    QTest::addColumn<QByteArray>("catalogue");
    const QByteArray good = Catalogue_Of({{"2867714", "München"}, {"703448", "Київ"}});
    QByteArray textPastTheEnd = good;
    textPastTheEnd[44] = char(0x7f);  // the second translation's length
    QByteArray countTooLarge = good;
    countTooLarge[10] = char(0x10);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("another magic number") << QByteArray(good).replace(0, 4, "\x11\x22\x33\x44");
    QTest::newRow("cut short") << good.left(good.size() - 8);
    QTest::newRow("a text past the end") << textPastTheEnd;
    QTest::newRow("more pairs than bytes") << countTooLarge;
    QTest::newRow("only the header") << good.left(20);
}

void TestAtlasReader::damagedCatalogueGivesNothing()
{
    QFETCH(QByteArray, catalogue);
    bool whole = true;
    QCOMPARE(Pairs_Read(catalogue, &whole), QStringList());
    QVERIFY(!whole);
}

void TestAtlasReader::recordsThatAreNoPlaceAreLeftOut_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("kept");

    const auto record = [](const char* lat, const char* lon, const char* name = "Vaduz",
                           const char* zone = "Europe/Vaduz", const char* population = "5668") {
        return QByteArray("P\t3042030\t") + name + "\t\tLiechtenstein\t" + zone + '\t' + population + '\t' + lat + '\t'
               + lon + '\n';
    };
    QTest::newRow("a place") << record("47.14151", "9.52154") << true;
    QTest::newRow("the poles and the date line") << record("-90", "180") << true;
    QTest::newRow("a linked zone") << record("50.45", "30.52", "Kyiv", "Europe/Kiev") << true;
    QTest::newRow("latitude not a number") << record("nan", "9.5") << false;
    QTest::newRow("longitude infinite") << record("47.1", "inf") << false;
    QTest::newRow("latitude beyond the pole") << record("90.5", "9.5") << false;
    QTest::newRow("longitude beyond the date line") << record("47.1", "-180.01") << false;
    QTest::newRow("latitude of letters") << record("north", "9.5") << false;
    QTest::newRow("no name") << record("47.1", "9.5", "") << false;
    QTest::newRow("a blank name") << record("47.1", "9.5", "  ") << false;
    QTest::newRow("a zone no system knows") << record("47.1", "9.5", "Vaduz", "Mars/Olympus_Mons") << false;
    QTest::newRow("UTC, which gives no offset") << record("47.1", "9.5", "Vaduz", "UTC") << false;
    QTest::newRow("no zone") << record("47.1", "9.5", "Vaduz", "") << false;
    QTest::newRow("negative inhabitants") << record("47.1", "9.5", "Vaduz", "Europe/Vaduz", "-5") << false;
    QTest::newRow("a field short") << QByteArray("P\t3042030\tVaduz\t\tLiechtenstein\tEurope/Vaduz\t5668\t47.1\n")
                                   << false;
    QTest::newRow("no id") << QByteArray("P\t\tVaduz\t\tLiechtenstein\tEurope/Vaduz\t5668\t47.1\t9.5\n") << false;
}

void TestAtlasReader::recordsThatAreNoPlaceAreLeftOut()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, kept);
    // Names of no place are counted too.
    const AtlasStream read = Parse_Atlas_Stream(
        Answer_Of(Munich + record + "N\t0\tMünchen\nN\t2\tNowhere\nN\t0\tMunich\n", 2, 3));
    QCOMPARE(read.reading.problem, QString());
    QCOMPARE(read.reading.places.size(), kept ? 2u : 1u);
    QCOMPARE(read.droppedPlaces, kept ? 0 : 1);
    QCOMPARE(read.droppedNames, 1);
    QCOMPARE(read.reading.places.front().otherNames, QStringList{"München"});  // its own name not again
    if (kept) {
        const AtlasPlace& place = read.reading.places.back();
        QVERIFY(std::isfinite(place.latitude) && std::abs(place.latitude) <= 90);
        QVERIFY(Zone_Is_Known(place.zoneId));
    }
}

void TestAtlasReader::answerThatIsNoAtlasSaysWhy_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("problem");

    const QString damaged = QStringLiteral("what its reader gave back was damaged");
    QTest::newRow("nothing") << QByteArray() << damaged;
    QTest::newRow("no first line") << QByteArray(Munich + "end\t1\t0\n") << damaged;
    QTest::newRow("another version") << QByteArray("zev-atlas 2\n" + Munich + "end\t1\t0\n") << damaged;
    QTest::newRow("cut short") << QByteArray("zev-atlas 1\n" + Munich) << damaged;
    QTest::newRow("a count that is not what came") << Answer_Of(Munich, 2, 0) << damaged;
    QTest::newRow("more after the end") << Answer_Of(Munich, 1, 0) + Munich << damaged;
    QTest::newRow("a place after the names") << Answer_Of(Munich + "N\t0\tMünchen\n" + Munich, 2, 1) << damaged;
    QTest::newRow("a line of no kind") << Answer_Of(Munich + "X\tsomething\n", 1, 0) << damaged;
    QTest::newRow("random bytes") << QByteArray("zev-atlas 1\n\x01\x02\xff\xfe\n\n\t\t\n", 15) << damaged;
    QTest::newRow("no places") << Answer_Of("", 0, 0) << "the atlas library holds no places";
    QTest::newRow("every record left out")
        << Answer_Of("P\t1\tX\t\t\tEurope/Vaduz\t1\tnan\t0\n", 1, 0) << "the atlas library holds no places";
    QTest::newRow("the library would not open")
        << QByteArray("zev-atlas 1\nfail\tlibrary\tlibgeonames.so.0: cannot open shared object file\n")
        << "the atlas library, libgeonames, is missing or damaged";
    QTest::newRow("the reader failed otherwise") << QByteArray("zev-atlas 1\nfail\tsomething\n")
                                                  << "its reader could not read it";
}

void TestAtlasReader::answerThatIsNoAtlasSaysWhy()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, problem);
    const AtlasStream read = Parse_Atlas_Stream(answer);
    QCOMPARE(read.reading.problem, problem);
    QVERIFY(read.reading.places.empty());
}

// The reader's answer as it comes through the pipe, in pieces that cut lines and UTF-8
// characters anywhere, reads as the whole answer does, damaged or not.
void TestAtlasReader::answerReadInPiecesReadsAlike_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("pieceBytes");
    QTest::addColumn<int>("places");  // how many places the answer gives

    const QByteArray vienna = "P\t2761369\tVienna\t\tAustria\tEurope/Vienna\t1691468\t48.20849\t16.37208\n";
    const QByteArray good = Answer_Of(Munich + vienna + "N\t0\tMünchen\nN\t1\tWien\nN\t1\tВена\nN\t5\tNowhere\n", 2, 4);
    for (const int pieceBytes : {1, 2, 3, 7, 64, 4096}) {
        QTest::addRow("read well, %d bytes at a time", pieceBytes) << good << pieceBytes << 2;
        QTest::addRow("more after the end, %d bytes at a time", pieceBytes) << good + "N\t0\tx" << pieceBytes << 0;
    }
    QTest::newRow("cut short one byte at a time") << good.chopped(1) << 1 << 0;
    QTest::newRow("the library would not open, a byte at a time")
        << QByteArray("zev-atlas 1\nfail\tlibrary\tlibgeonames.so.0: cannot open\n") << 1 << 0;
}

void TestAtlasReader::answerReadInPiecesReadsAlike()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, pieceBytes);
    QFETCH(int, places);
    const AtlasStream whole = Parse_Atlas_Stream(answer);
    QCOMPARE(whole.reading.places.size(), std::size_t(places));
    AtlasStreamReader reader;
    for (qsizetype at = 0; at < answer.size(); at += pieceBytes)
        reader.take(QByteArrayView(answer).sliced(at, std::min<qsizetype>(pieceBytes, answer.size() - at)));
    const AtlasStream pieces = reader.finish();
    QCOMPARE(pieces.reading.problem, whole.reading.problem);
    QCOMPARE(pieces.droppedPlaces, whole.droppedPlaces);
    QCOMPARE(pieces.droppedNames, whole.droppedNames);
    QCOMPARE(pieces.reading.places.size(), whole.reading.places.size());
    for (std::size_t at = 0; at < whole.reading.places.size(); ++at) {
        QCOMPARE(pieces.reading.places[at].name, whole.reading.places[at].name);
        QCOMPARE(pieces.reading.places[at].otherNames, whole.reading.places[at].otherNames);
        QCOMPARE(pieces.reading.places[at].zoneId, whole.reading.places[at].zoneId);
    }
}

// Stand-ins for the reader where the library crashes, hangs or prints nonsense, and the real
// reader with a library that is missing or no library at all.
void TestAtlasReader::failingReaderLeavesTheReason_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");  // how it starts

    QFile corrupt(folder.filePath(QStringLiteral("libgeonames.so.0")));
    QVERIFY(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(4096, '\x7f'));
    corrupt.close();
    const QString reader = QStringLiteral(ZEV_ATLAS_READER);

    QTest::newRow("the library crashes") << readerDouble("crashing", "echo 'zev-atlas 1'; kill -SEGV $$")
                                         << QStringList() << "the atlas library stopped with an error (it crashed)";
    QTest::newRow("the library hangs") << readerDouble("hanging", "exec sleep 30") << QStringList()
                                       << "the atlas library gave no answer within a second";
    QTest::newRow("nonsense") << readerDouble("nonsense", "head -c 20000 /dev/zero | tr '\\0' 'x'") << QStringList()
                              << "what its reader gave back was damaged";
    QTest::newRow("an error and no answer") << readerDouble("failing", "exit 2") << QStringList()
                                            << "what its reader gave back was damaged";
    QTest::newRow("no reader") << folder.filePath("no-such-reader") << QStringList()
                               << "its reader, " + folder.filePath("no-such-reader") + ", is not installed";
    QTest::newRow("the library missing") << reader << QStringList{"--library", folder.filePath("missing.so")}
                                         << "the atlas library, libgeonames, is missing or damaged";
    QTest::newRow("the library corrupt") << reader << QStringList{"--library", corrupt.fileName()}
                                         << "the atlas library, libgeonames, is missing or damaged";
}

void TestAtlasReader::failingReaderLeavesTheReason()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    const std::atomic<bool> stop = false;
    QElapsedTimer took;
    took.start();
    const AtlasReading reading = Read_Atlas_With(program, arguments, stop, 1s);
    QVERIFY2(reading.problem.startsWith(problem), qPrintable(reading.problem));
    QVERIFY(reading.places.empty());
    QVERIFY(took.elapsed() < 5000);
}

void TestAtlasReader::closingProgramEndsTheReader()
{
    std::atomic<bool> stop = false;
    std::thread closing([&] {
        std::this_thread::sleep_for(100ms);
        stop = true;
    });
    QElapsedTimer took;
    took.start();
    const AtlasReading reading = Read_Atlas_With(readerDouble("hanging", "exec sleep 30"), {}, stop);
    closing.join();
    QVERIFY(took.elapsed() < 2000);
    QVERIFY(reading.places.empty());
    QVERIFY(!reading.problem.isEmpty());
}

// The one test of the library's own data, loose enough to outlive its updates: the towns of the
// world, every zone they name known, and the names of other languages finding their places.
void TestAtlasReader::libraryHoldsTheTownsOfTheWorld()
{
    const std::atomic<bool> stop = false;
    AtlasReading reading = Read_Atlas_With(QStringLiteral(ZEV_ATLAS_READER), {}, stop);
    QCOMPARE(reading.problem, QString());
    QSet<QByteArray> zones;
    for (const AtlasPlace& place : reading.places)
        zones.insert(place.zoneId);
    QVERIFY2(zones.size() > 300, qPrintable(QString::number(zones.size())));
    for (const QByteArray& zone : zones)
        QVERIFY2(Zone_At_Moment(zone, QDate(2000, 6, 1), QTime(12, 0)).kind == ZoneAtMoment::Kind::once, zone);

    const PlaceIndex library(std::move(reading.places));
    QVERIFY2(library.places().size() > 20000, qPrintable(QString::number(library.places().size())));
    const std::vector<PlaceFound> zurich = library.find(u"Zürich", 20);
    QVERIFY(std::any_of(zurich.begin(), zurich.end(),
                        [&](const PlaceFound& at) { return Fold_Place_Text(library.places()[at.place].name) == u"zurich"; }));
    const QList<std::pair<QString, QString>> names{
        {"München", "Munich"}, {"Bombay", "Mumbai"}, {"Calcutta", "Kolkata"}, {"Köln", "Cologne"},
        {"Moskau", "Moscow"},  {"Київ", "Kyiv"},     {"北京", "Beijing"},     {"Wien", "Vienna"},
        {"Lisboa", "Lisbon"},  {"Praha", "Prague"}};
    for (const auto& [typed, place] : names) {
        const std::vector<PlaceFound> found = library.find(typed, 3);
        QVERIFY2(std::any_of(found.begin(), found.end(),
                             [&](const PlaceFound& at) { return library.places()[at.place].name == place; }),
                 qPrintable(typed + QStringLiteral(": ") + Place_List_Texts(library, found).join(u'|')));
    }
}

QTEST_GUILESS_MAIN(TestAtlasReader)
#include "test_atlas_reader.moc"
