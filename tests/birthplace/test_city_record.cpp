#include "birthplace/city_record.h"

#include <glib.h>

#include <QtTest>

#include <memory>

// Each record is made by GLib, so the bytes read are those GLib itself lays out.
class TestCityRecord : public QObject {
    Q_OBJECT

private slots:
    void recordReadsAsGLibReadsIt_data();
    void recordReadsAsGLibReadsIt();
    void recordNotLaidOutByGLibIsLeftToIt_data();
    void recordNotLaidOutByGLibIsLeftToIt();
};

namespace {

struct Variant_Unref {
    void operator()(GVariant* variant) const { g_variant_unref(variant); }
};
using Variant = std::unique_ptr<GVariant, Variant_Unref>;

Variant City_Variant(const QList<QByteArray>& texts, quint32 population, double latitude, double longitude)
{
    return Variant(g_variant_ref_sink(g_variant_new("(sssssssudd)", texts[0].constData(), texts[1].constData(),
                                                    texts[2].constData(), texts[3].constData(), texts[4].constData(),
                                                    texts[5].constData(), texts[6].constData(), population, latitude,
                                                    longitude)));
}

QByteArray Bytes_Of(GVariant* variant)
{
    return QByteArray(static_cast<const char*>(g_variant_get_data(variant)), qsizetype(g_variant_get_size(variant)));
}

const QList<QByteArray> Munich{"2867714", "Munich", "02", "Bavaria", "DE", "Germany", "Europe/Berlin"};

}  // namespace

void TestCityRecord::recordReadsAsGLibReadsIt_data()
{
    QTest::addColumn<QList<QByteArray>>("texts");
    QTest::addColumn<quint32>("population");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");

    QTest::newRow("a town") << Munich << 1260391u << 48.13743 << 11.57549;
    QTest::newRow("empty texts, the poles, no one") << QList<QByteArray>(7, "") << 0u << -90.0 << 180.0;
    QTest::newRow("other scripts and not numbers")
        << QList<QByteArray>{"x", "Київ", "", "北京", "😀", "", "Mars/Olympus_Mons"} << 4294967295u
        << std::numeric_limits<double>::quiet_NaN() << -std::numeric_limits<double>::infinity();
    // Past 255 and 65535 bytes the record's offsets take two and four bytes each.
    QTest::newRow("two-byte offsets") << QList<QByteArray>{"1", QByteArray(300, 'a'), "", "", "", "", "UTC"} << 7u
                                      << 1.5 << 2.5;
    QTest::newRow("four-byte offsets") << QList<QByteArray>{"1", "A", "", QByteArray(70000, 'b'), "", "C", "UTC"}
                                       << 7u << 1.5 << 2.5;
}

void TestCityRecord::recordReadsAsGLibReadsIt()
{
    QFETCH(QList<QByteArray>, texts);
    QFETCH(quint32, population);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const Variant city = City_Variant(texts, population, latitude, longitude);
    const QByteArray bytes = Bytes_Of(city.get());
    const std::optional<CityRecord> record = Read_City_Record(std::string_view(bytes.data(), std::size_t(bytes.size())));
    QVERIFY(record);
    for (gsize field = 0; field < 7; ++field) {
        const Variant value(g_variant_get_child_value(city.get(), field));
        const std::string_view text = record->texts[field];
        QCOMPARE(QByteArray(text.data(), qsizetype(text.size())), QByteArray(g_variant_get_string(value.get(), nullptr)));
        QCOMPARE(QByteArray(text.data(), qsizetype(text.size())), texts[qsizetype(field)]);
    }
    QCOMPARE(record->population, population);
    const auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    QVERIFY(same(record->latitude, latitude));
    QVERIFY(same(record->longitude, longitude));
}

void TestCityRecord::recordNotLaidOutByGLibIsLeftToIt_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const Variant city = City_Variant(Munich, 1260391u, 48.13743, 11.57549);
    const QByteArray good = Bytes_Of(city.get());
    const qsizetype last = good.size() - 1;  // the first text's end
    const auto changed = [&](qsizetype at, char byte) { return QByteArray(good).replace(at, 1, &byte, 1); };
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("shorter than its offsets") << good.right(5);
    QTest::newRow("cut short") << good.chopped(1);
    QTest::newRow("a byte more") << good + '\0';
    QTest::newRow("a byte between the numbers and the offsets") << QByteArray(good).insert(good.size() - 7, '\0');
    QTest::newRow("a text's end past the numbers") << changed(last, char(good.size() - 2));
    QTest::newRow("texts out of order") << changed(last - 1, char(2));
    QTest::newRow("a text ending where it starts") << changed(last - 1, good[last]);
    QTest::newRow("a text without its NUL") << changed(good[last] - 1, 'x');
    QTest::newRow("a NUL inside a text") << changed(1, '\0');
    QTest::newRow("a text that ends later") << changed(last - 6, char(good[last - 6] + 1));
}

void TestCityRecord::recordNotLaidOutByGLibIsLeftToIt()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!Read_City_Record(std::string_view(bytes.data(), std::size_t(bytes.size()))));
}

QTEST_GUILESS_MAIN(TestCityRecord)
#include "test_city_record.moc"
