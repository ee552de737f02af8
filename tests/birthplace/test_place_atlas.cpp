#include "birthplace/place_atlas.h"

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
    void searchWhileLoadingWaitsForTheIndex();

private:
    QStringList found(const QString& text, std::size_t limit = 20) const;

    std::unique_ptr<PlaceIndex> index;
};

void TestPlaceAtlas::initTestCase()
{
    index = std::make_unique<PlaceIndex>(Read_Atlas_Places());
    QCOMPARE(index->places().size(), std::size_t{24361});
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

QTEST_GUILESS_MAIN(TestPlaceAtlas)
#include "test_place_atlas.moc"
