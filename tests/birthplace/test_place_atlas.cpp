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
    void searchWhileLoadingWaitsForTheIndex();
    void sharedAtlasReadsWithTheReaderGivenBeforeIt();
    void libraryHoldsTheTownsOfTheWorld();

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
    for (const int place : index->find(text, limit))
        names.append(index->places()[place].name + QStringLiteral(", ") + index->places()[place].state);
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
    QCOMPARE(atlas.index()->find(u"zurich", 10), std::vector<int>{0});
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
    QVERIFY(!PlaceAtlas::useReaderForShared(Read_Atlas_Places));  // too late: it is made
    shared.startLoading();
    QTest::qWait(20);
    QVERIFY(!shared.index());
    gate.open();
    QTRY_VERIFY(shared.index());
    QCOMPARE(shared.index()->places().size(), Fixture_Atlas_Places().size());
}

// The one test of the library's own data, loose enough to outlive its updates.
void TestPlaceAtlas::libraryHoldsTheTownsOfTheWorld()
{
    const PlaceIndex library(Read_Atlas_Places());
    QVERIFY2(library.places().size() > 20000, qPrintable(QString::number(library.places().size())));
    const std::vector<int> found = library.find(u"Zürich", 20);
    QVERIFY(std::any_of(found.begin(), found.end(),
                        [&](int place) { return Fold_Place_Text(library.places()[place].name) == u"zurich"; }));
}

QTEST_GUILESS_MAIN(TestPlaceAtlas)
#include "test_place_atlas.moc"
