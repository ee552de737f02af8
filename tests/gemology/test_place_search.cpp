#include "gemology/place_search.h"

#include <QTest>
#include <QUrlQuery>

namespace {

const QString Map_Search = QStringLiteral("https://maps.example.org/search?query=%1");

BirthData Place(const QString& city, const QString& state, const QString& country)
{
    BirthData birth;
    birth.city = city;
    birth.state = state;
    birth.country = country;
    return birth;
}

}  // namespace

class TestPlaceSearch : public QObject {
    Q_OBJECT

private slots:
    void firstEmptyPlaceField_data();
    void firstEmptyPlaceField();
    void searchTextKeepsThePlaceAsTyped();
    void searchTextStaysInsideTheQuery_data();
    void searchTextStaysInsideTheQuery();
};

void TestPlaceSearch::firstEmptyPlaceField_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");  // empty: the search may run

    QTest::newRow("all filled") << "Madrid" << "Madrid" << "Spain" << QString();
    QTest::newRow("city empty, the rest filled") << "" << "Madrid" << "Spain" << "Please Enter City";
    QTest::newRow("everything empty") << "" << "" << "" << "Please Enter City";
    QTest::newRow("state empty") << "Madrid" << "" << "Spain" << "Please Enter State";
    QTest::newRow("state and country empty") << "Madrid" << "" << "" << "Please Enter State";
    QTest::newRow("country empty") << "Madrid" << "Madrid" << "" << "Please Enter Country";
    QTest::newRow("blanks count as filled") << " " << " " << " " << QString();
}

void TestPlaceSearch::firstEmptyPlaceField()
{
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);

    const std::optional<EntryProblem> problem = Birth_Place_Problem(Place(city, state, country));
    QCOMPARE(problem.has_value(), !message.isEmpty());
    if (problem) {
        QCOMPARE(problem->message, message);
        QCOMPARE(problem->icon, ProblemIcon::information);
    }
}

void TestPlaceSearch::searchTextKeepsThePlaceAsTyped()
{
    QCOMPARE(Place_Search_Text(Place(" Pune", "Maharashtra ", "India")),
             QStringLiteral(" Pune Maharashtra  India Latitude Longitude"));
}

void TestPlaceSearch::searchTextStaysInsideTheQuery_data()
{
    QTest::addColumn<QString>("searchText");

    QTest::newRow("plain") << "Madrid Madrid Spain Latitude Longitude";
    QTest::newRow("ampersand, hash and blanks") << "Dar & Salaam #2 Tanzania Latitude Longitude";
    QTest::newRow("address syntax") << "x?query=evil&y=/../@other.example:80/ Latitude Longitude";
    QTest::newRow("percent signs") << "100% %20 %1 %zz Latitude Longitude";
    QTest::newRow("plus and equals") << "a+b=c Latitude Longitude";
    QTest::newRow("not ASCII") << "Zürich Genève Ελλάδα Latitude Longitude";
}

void TestPlaceSearch::searchTextStaysInsideTheQuery()
{
    QFETCH(QString, searchText);

    const QUrl address = Search_Page_Address(Map_Search, searchText);
    QVERIFY2(address.isValid(), qPrintable(address.errorString()));
    QCOMPARE(address.scheme(), QStringLiteral("https"));
    QCOMPARE(address.host(), QStringLiteral("maps.example.org"));
    QCOMPARE(address.path(), QStringLiteral("/search"));
    QVERIFY(!address.hasFragment());
    const QUrlQuery query(address);
    QCOMPARE(query.queryItems().size(), 1);
    QCOMPARE(query.queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded), searchText);
}

QTEST_APPLESS_MAIN(TestPlaceSearch)
#include "test_place_search.moc"
