// The GLib headers name struct fields after Qt's keywords, so they come first.
#include <geonames.h>

#include "birthplace/atlas_place.h"

#include <QLibrary>
#include <QSet>

#include <type_traits>

namespace {

// The atlas library is opened on the atlas's own thread the first time it is read, not at
// start-up: with the GLib object and I/O libraries it brings, it would add a millisecond and a
// mebibyte to every start of the program. The records themselves are GLib values, read with
// the GLib that Qt has loaded already.
struct AtlasLibrary {
    decltype(&geonames_get_n_cities) countCities = nullptr;
    decltype(&geonames_get_city) city = nullptr;
    decltype(&geonames_city_get_name) name = nullptr;
    decltype(&geonames_city_get_state) state = nullptr;
    decltype(&geonames_city_get_country) country = nullptr;
    decltype(&geonames_city_get_latitude) latitude = nullptr;
    decltype(&geonames_city_get_longitude) longitude = nullptr;
    decltype(&geonames_city_get_population) population = nullptr;
    decltype(&geonames_city_get_timezone) timezone = nullptr;
    decltype(&geonames_city_free) freeCity = nullptr;

    // Every function found, or none: a library without one of them is not used at all.
    bool open()
    {
        static QLibrary library(QStringLiteral("geonames"), 0);
        const auto find = [](auto& function, const char* symbol) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(symbol));
            return function != nullptr;
        };
        return find(countCities, "geonames_get_n_cities") && find(city, "geonames_get_city")
            && find(name, "geonames_city_get_name") && find(state, "geonames_city_get_state")
            && find(country, "geonames_city_get_country") && find(latitude, "geonames_city_get_latitude")
            && find(longitude, "geonames_city_get_longitude") && find(population, "geonames_city_get_population")
            && find(timezone, "geonames_city_get_timezone") && find(freeCity, "geonames_city_free");
    }
};

QString Text_Of(const gchar* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// Taking a record's fields out one by one costs a fraction of g_variant_get()'s format parsing.
class RecordField {
public:
    RecordField(GVariant* record, gsize field) : value_(g_variant_get_child_value(record, field)) {}
    ~RecordField() { g_variant_unref(value_); }
    RecordField(const RecordField&) = delete;
    RecordField& operator=(const RecordField&) = delete;

    QString text() const { return Text_Of(g_variant_get_string(value_, nullptr)); }
    QByteArray bytes() const { return QByteArray(g_variant_get_string(value_, nullptr)); }
    std::uint32_t number() const { return g_variant_get_uint32(value_); }
    double real() const { return g_variant_get_double(value_); }

private:
    GVariant* value_;
};

// Keeps one copy of each text that many places share, so that the atlas holds "United States"
// or "America/Chicago" once instead of once for each of their towns: a third of its memory.
template <typename Text>
class SharedTexts {
public:
    Text take(const Text& text) { return *texts_.insert(text); }

private:
    QSet<Text> texts_;
};

}  // namespace

std::vector<AtlasPlace> Read_Atlas_Places()
{
    AtlasLibrary atlas;
    if (!atlas.open())
        return {};
    const gint count = atlas.countCities();
    std::vector<AtlasPlace> places;
    places.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    // A record is a tuple (id, name, state code, state, country code, country, zone,
    // population, latitude, longitude). Reading its fields directly takes a third of the time
    // of the library's accessors, which parse a format for each; other layouts still use them.
    const GVariantType* layout = G_VARIANT_TYPE("(sssssssudd)");
    SharedTexts<QString> regions;
    SharedTexts<QByteArray> zones;
    for (gint index = 0; index < count; ++index) {
        GeonamesCity* city = atlas.city(index);
        if (!city)
            continue;
        AtlasPlace place;
        if (g_variant_is_of_type(city, layout)) {
            place.name = RecordField(city, 1).text();
            place.state = RecordField(city, 3).text();
            place.country = RecordField(city, 5).text();
            place.zoneId = RecordField(city, 6).bytes();
            place.population = RecordField(city, 7).number();
            place.latitude = RecordField(city, 8).real();
            place.longitude = RecordField(city, 9).real();
        } else {
            place.name = Text_Of(atlas.name(city));
            place.state = Text_Of(atlas.state(city));
            place.country = Text_Of(atlas.country(city));
            place.latitude = atlas.latitude(city);
            place.longitude = atlas.longitude(city);
            place.population = atlas.population(city);
            place.zoneId = QByteArray(atlas.timezone(city));
        }
        atlas.freeCity(city);
        if (place.name.isEmpty())
            continue;
        place.state = regions.take(place.state);
        place.country = regions.take(place.country);
        place.zoneId = zones.take(place.zoneId);
        places.push_back(std::move(place));
    }
    return places;
}
