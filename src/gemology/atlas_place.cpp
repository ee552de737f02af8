// The GLib headers name struct fields after Qt's keywords, so they come first.
#include <geonames.h>

#include "gemology/atlas_place.h"

namespace {

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

}  // namespace

std::vector<AtlasPlace> Read_Atlas_Places()
{
    const gint count = geonames_get_n_cities();
    std::vector<AtlasPlace> places;
    places.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    // A record is a tuple (id, name, state code, state, country code, country, zone,
    // population, latitude, longitude). Reading its fields directly takes a third of the time
    // of the library's accessors, which parse a format for each; other layouts still use them.
    const GVariantType* layout = G_VARIANT_TYPE("(sssssssudd)");
    for (gint index = 0; index < count; ++index) {
        GeonamesCity* city = geonames_get_city(index);
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
            place.name = Text_Of(geonames_city_get_name(city));
            place.state = Text_Of(geonames_city_get_state(city));
            place.country = Text_Of(geonames_city_get_country(city));
            place.latitude = geonames_city_get_latitude(city);
            place.longitude = geonames_city_get_longitude(city);
            place.population = geonames_city_get_population(city);
            place.zoneId = QByteArray(geonames_city_get_timezone(city));
        }
        geonames_city_free(city);
        if (!place.name.isEmpty())
            places.push_back(std::move(place));
    }
    return places;
}
