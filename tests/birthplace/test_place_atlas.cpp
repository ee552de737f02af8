#include "birthplace/place_atlas.h"
#include "support/fixture_atlas.h"

#include <QSignalSpy>
#include <QtTest>

#include <future>

class TestPlaceAtlas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void foldingIgnoresCaseAccentsAndMarks_data();
    void foldingIgnoresCaseAccentsAndMarks();
    void searchFindsTheBestFirst_data();
    void searchFindsTheBestFirst();
    void wordStartsComeAfterNameStarts();
    void listTellsAlikePlacesApart_data();
    void listTellsAlikePlacesApart();
    void otherNamesFindTheirPlace_data();
    void otherNamesFindTheirPlace();
    void otherNamesAreIndexedOnce();
    void searchWhileLoadingWaitsForTheIndex();
    void sharedAtlasReadsWithTheReaderGivenBeforeIt();

private:
    QStringList found(const QString& text, std::size_t limit = 20) const;

    std::unique_ptr<PlaceIndex> index;
};

void TestPlaceAtlas::initTestCase()
{
    index = std::make_unique<PlaceIndex>(Fixture_Atlas_Places());
}

// "Name, State" of each place found, best first.
QStringList TestPlaceAtlas::found(const QString& text, std::size_t limit) const
{
    QStringList names;
    for (const PlaceFound& place : index->find(text, limit))
        names.append(index->places()[place.place].name + QStringLiteral(", ") + index->places()[place.place].state);
    return names;
}

void TestPlaceAtlas::foldingIgnoresCaseAccentsAndMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("accents") << "São Paulo" << "sao paulo";
    QTest::newRow("umlaut") << "ZÜRICH" << "zurich";
    QTest::newRow("letters without a combining accent") << "Łódź Straße Ærø" << "lodz strasse aero";
    QTest::newRow("marks between words") << "  Saint-Denis d'Oléron (Île) " << "saint denis d oleron ile";
    QTest::newRow("emoji and symbols only") << "😀 ★ ✈️" << "";
    QTest::newRow("emoji inside") << "New😀York" << "new york";
}

void TestPlaceAtlas::foldingIgnoresCaseAccentsAndMarks()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(QString::fromStdU16String(Fold_Place_Text(text)), folded);
}

void TestPlaceAtlas::searchFindsTheBestFirst_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("first");  // the places found first, in order

    QTest::newRow("zurich") << "zurich" << QStringList{"Zurich, Canton of Zurich"};
    QTest::newRow("Zürich") << "Zürich" << QStringList{"Zurich, Canton of Zurich"};
    QTest::newRow("sao paulo") << "sao paulo" << QStringList{"São Paulo, São Paulo"};
    QTest::newRow("SÃO PAULO") << "  SÃO   PAULO " << QStringList{"São Paulo, São Paulo"};
    QTest::newRow("paulo: the name that starts with it first")
        << "paulo" << QStringList{"Paulo Afonso, Estado de Bahia", "São Paulo, São Paulo"};
    QTest::newRow("lodz") << "lodz" << QStringList{"Łódź, Łódź Voivodeship"};
    QTest::newRow("madrid: namesakes largest first, then the word inside")
        << "madrid" << QStringList{"Madrid, Madrid", "Madrid, Cundinamarca", "Las Rozas de Madrid, Madrid"};
    // The names that start with it, largest first, then the two West Springfields.
    QTest::newRow("springfield") << "springfield"
                                 << QStringList{"Springfield, Missouri",      "Springfield, Massachusetts",
                                                "Springfield, Illinois",      "Springfield, Oregon",
                                                "Springfield, Ohio",          "Springfield Gardens, New York",
                                                "Springfield, Virginia",      "Springfield, Pennsylvania",
                                                "Springfield, Tennessee",     "West Springfield, Massachusetts",
                                                "West Springfield, Virginia"};
}

void TestPlaceAtlas::searchFindsTheBestFirst()
{
    QFETCH(QString, text);
    QFETCH(QStringList, first);
    const QStringList places = found(text);
    QCOMPARE(places.mid(0, first.size()), first);
    if (text == QLatin1String("springfield"))
        QCOMPARE(places.size(), 11);
}

void TestPlaceAtlas::wordStartsComeAfterNameStarts()
{
    const QStringList york = found(QStringLiteral("york"), 100);
    const qsizetype newYork = york.indexOf(QStringLiteral("New York, New York"));
    QVERIFY(newYork > 0);
    for (qsizetype at = 0; at < york.size(); ++at)
        QCOMPARE(york[at].startsWith(QLatin1String("York")), at < newYork);

    QVERIFY(found(QStringLiteral("qxzqxz")).isEmpty());
    QString junk;
    for (int at = 0; at < 1000; ++at)
        junk += QChar(u'!' + (at * 37) % 90);
    QVERIFY(found(junk).isEmpty());
    QVERIFY(found(QStringLiteral("😀😀😀")).isEmpty());
    QVERIFY(found(QString()).isEmpty());
    QCOMPARE(found(QStringLiteral("a"), 5).size(), 5);
}

void TestPlaceAtlas::listTellsAlikePlacesApart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("shown");  // the list's lines, best first

    QTest::newRow("alike: where each lies")
        << "lesnoy"
        << QStringList{"Lesnoy, Sverdlovsk, Russia (57°37′ N, 63°05′ E)", "Lesnoy, Sverdlovsk, Russia (58°38′ N, 59°48′ E)"};
    QTest::newRow("namesakes in other states: as they are")
        << "london" << QStringList{"London, England, United Kingdom", "London, Ontario, Canada"};
    QTest::newRow("no state") << "vaduz" << QStringList{"Vaduz, Liechtenstein"};
}

void TestPlaceAtlas::listTellsAlikePlacesApart()
{
    QFETCH(QString, text);
    QFETCH(QStringList, shown);
    QCOMPARE(Place_List_Texts(*index, index->find(text, 20)), shown);
}

namespace {

// Places with the names other languages give them, and namesakes that compete for the text.
std::vector<AtlasPlace> Places_With_Other_Names()
{
    const auto place = [](const char* name, const char* state, const char* country, std::uint32_t population,
                          QStringList others) {
        AtlasPlace at{QString::fromUtf8(name), QString::fromUtf8(state), QString::fromUtf8(country), 10, 10, population,
                      "Europe/Berlin"};
        at.otherNames = others;
        return at;
    };
    return {
        place("Münchenstein", "Basel-Landschaft", "Switzerland", 12000, {}),
        place("Munich", "Bavaria", "Germany", 1260391, {"München", "Monaco di Baviera", "Мюнхен", "Munchen"}),
        place("Wiener Neustadt", "Lower Austria", "Austria", 45000, {}),
        place("Vienna", "Vienna", "Austria", 1691468, {"Wien", "Vienne", "Відень"}),
        place("Kyiv", "Kyiv City", "Ukraine", 2797553, {"Київ", "Киев", "Kiew", "Kíev", "Kiev"}),
        place("Mumbai", "Maharashtra", "India", 12691836, {"Bombay", "मुंबई"}),
        place("Bombay Beach", "California", "United States", 15000, {}),
        place("Kolkata", "West Bengal", "India", 4631392, {"Calcutta", "কলকাতা"}),
        place("Moscow", "Moscow", "Russia", 10381222, {"Moskau", "Москва", "Moscou"}),
        place("Cologne", "North Rhine-Westphalia", "Germany", 963395, {"Köln", "Colonia"}),
        place("Beijing", "Beijing", "China", 18960744, {"北京", "北京市", "Pékin"}),
        place("Lisbon", "Lisbon", "Portugal", 517802, {"Lisboa", "Lissabon"}),
        place("Praia", "Praia", "Cabo Verde", 113364, {}),
        place("Prague", "Prague", "Czechia", 1165581, {"Praha", "Prag"}),
        place("Athens", "Attica", "Greece", 664046, {"Αθήνα", "Atene"}),
        place("Saint Petersburg", "Saint Petersburg", "Russia", 5351935, {"Sankt Peterburg", "San Peterburg"}),
    };
}

}  // namespace

// The ten names, a cased script typed in either case, a script without spaces matched from the
// start of the name, and the ranking of other names with own names.
void TestPlaceAtlas::otherNamesFindTheirPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("first");  // the list's first lines, in order

    QTest::newRow("München: its other name, before a name that starts with it")
        << "München" << QStringList{"Munich (München), Bavaria, Germany", "Münchenstein, Basel-Landschaft, Switzerland"};
    QTest::newRow("munc") << "munc" << QStringList{"Munich (München), Bavaria, Germany"};
    QTest::newRow("Bombay: the larger first")
        << "Bombay" << QStringList{"Mumbai (Bombay), Maharashtra, India", "Bombay Beach, California, United States"};
    QTest::newRow("Calcutta") << "Calcutta" << QStringList{"Kolkata (Calcutta), West Bengal, India"};
    QTest::newRow("Köln") << "Köln" << QStringList{"Cologne (Köln), North Rhine-Westphalia, Germany"};
    QTest::newRow("Moskau") << "Moskau" << QStringList{"Moscow (Moskau), Moscow, Russia"};
    QTest::newRow("Київ") << "Київ" << QStringList{"Kyiv (Київ), Kyiv City, Ukraine"};
    QTest::newRow("київ in lower case") << "київ" << QStringList{"Kyiv (Київ), Kyiv City, Ukraine"};
    QTest::newRow("КИЇВ in capitals") << "КИЇВ" << QStringList{"Kyiv (Київ), Kyiv City, Ukraine"};
    QTest::newRow("αθηνα, no accent, lower case") << "αθηνα" << QStringList{"Athens (Αθήνα), Attica, Greece"};
    QTest::newRow("北京") << "北京" << QStringList{"Beijing (北京), Beijing, China"};
    QTest::newRow("北: from the start") << "北" << QStringList{"Beijing (北京), Beijing, China"};
    QTest::newRow("Wien: Vienna before Wiener Neustadt")
        << "Wien" << QStringList{"Vienna (Wien), Vienna, Austria", "Wiener Neustadt, Lower Austria, Austria"};
    QTest::newRow("Lisboa") << "Lisboa" << QStringList{"Lisbon (Lisboa), Lisbon, Portugal"};
    QTest::newRow("Praha") << "Praha" << QStringList{"Prague (Praha), Prague, Czechia"};
    QTest::newRow("pra: own names and other names by inhabitants")
        << "pra" << QStringList{"Prague, Prague, Czechia", "Praia, Praia, Cabo Verde"};
    QTest::newRow("its own name matched: no other name shown") << "munich" << QStringList{"Munich, Bavaria, Germany"};
    QTest::newRow("a later word of another name") << "baviera" << QStringList{"Munich (Monaco di Baviera), Bavaria, Germany"};
    QTest::newRow("a later word of two other names: the one given first")
        << "peterburg" << QStringList{"Saint Petersburg (Sankt Peterburg), Saint Petersburg, Russia"};
}

void TestPlaceAtlas::otherNamesFindTheirPlace()
{
    QFETCH(QString, text);
    QFETCH(QStringList, first);
    const PlaceIndex named(Places_With_Other_Names());
    const QStringList shown = Place_List_Texts(named, named.find(text, 20));
    QCOMPARE(shown.mid(0, first.size()), first);
}

void TestPlaceAtlas::otherNamesAreIndexedOnce()
{
    const PlaceIndex named(Places_With_Other_Names());
    // "京" is inside a name written without spaces, not at its start.
    QVERIFY(named.find(u"京", 20).empty());
    // Munich is found once, though three of its names start with "mu".
    const std::vector<PlaceFound> found = named.find(u"mu", 20);
    QCOMPARE(std::count_if(found.begin(), found.end(), [&](const PlaceFound& at) { return at.place == 1; }), 1);
    QVERIFY(named.places()[1].otherNames.isEmpty());  // taken into the index
}

void TestPlaceAtlas::searchWhileLoadingWaitsForTheIndex()
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    PlaceAtlas atlas([released] {
        released.wait();
        return std::vector<AtlasPlace>{{"Zürich", "Canton of Zurich", "Switzerland", 47.37, 8.55, 341730, "Europe/Zurich"}};
    });
    QSignalSpy ready(&atlas, &PlaceAtlas::ready);
    atlas.startLoading();
    atlas.startLoading();  // a second start while loading changes nothing
    QCoreApplication::processEvents();
    QVERIFY(!atlas.index());

    release.set_value();
    QVERIFY(ready.wait(5000));
    QVERIFY(atlas.index());
    QCOMPARE(atlas.index()->find(u"zurich", 10), (std::vector<PlaceFound>{{0, {}}}));
    atlas.startLoading();  // and once built, neither does a third
    QTest::qWait(20);
    QCOMPARE(ready.size(), 1);
}

void TestPlaceAtlas::sharedAtlasReadsWithTheReaderGivenBeforeIt()
{
    AtlasGate gate;
    QVERIFY(!PlaceAtlas::useReaderForShared({}));
    QVERIFY(PlaceAtlas::useReaderForShared(gate.reader()));
    PlaceAtlas& shared = PlaceAtlas::shared();
    QVERIFY(!PlaceAtlas::useReaderForShared(Fixture_Atlas_Places));  // too late: it is made
    shared.startLoading();
    QTest::qWait(20);
    QVERIFY(!shared.index());
    gate.open();
    QTRY_VERIFY(shared.index());
    QCOMPARE(shared.index()->places().size(), Fixture_Atlas_Places().size());
}

QTEST_GUILESS_MAIN(TestPlaceAtlas)
#include "test_place_atlas.moc"
