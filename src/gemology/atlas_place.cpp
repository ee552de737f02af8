// The GLib headers name struct fields after Qt's keywords, so they come first.
#include <geonames.h>

#include "gemology/atlas_place.h"

namespace {

QString Text_Of(const gchar* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

}  // namespace

std::vector<AtlasPlace> Read_Atlas_Places()
{
    const gint count = geonames_get_n_cities();
    std::vector<AtlasPlace> places;
    places.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (gint index = 0; index < count; ++index) {
        GeonamesCity* city = geonames_get_city(index);
        if (!city)
            continue;
        AtlasPlace place;
        place.name = Text_Of(geonames_city_get_name(city));
        place.state = Text_Of(geonames_city_get_state(city));
        place.country = Text_Of(geonames_city_get_country(city));
        place.latitude = geonames_city_get_latitude(city);
        place.longitude = geonames_city_get_longitude(city);
        place.population = geonames_city_get_population(city);
        if (const gchar* zone = geonames_city_get_timezone(city))
            place.zoneId = QByteArray(zone);
        geonames_city_free(city);
        if (!place.name.isEmpty())
            places.push_back(std::move(place));
    }
    return places;
}
