// Whatever the atlas reader writes, or whatever a catalogue file holds, the program takes only
// places it can use: finite coordinates in range, a name, a zone the system can give; or none,
// with a reason. Whatever a place record of the library holds, the reader reads no byte outside it.
#include "birthplace/atlas_stream.h"
#include "birthplace/city_record.h"
#include "birthplace/name_catalogue.h"
#include "fuzz/fuzz_check.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const AtlasStream read = Parse_Atlas_Stream(bytes);
    FUZZ_CHECK(read.reading.places.empty() != read.reading.problem.isEmpty());
    for (const AtlasPlace& place : read.reading.places) {
        FUZZ_CHECK(!place.name.isEmpty());
        FUZZ_CHECK(std::isfinite(place.latitude) && std::abs(place.latitude) <= 90);
        FUZZ_CHECK(std::isfinite(place.longitude) && std::abs(place.longitude) <= 180);
    }

    std::size_t pairs = 0;
    const std::string_view catalogue(reinterpret_cast<const char*>(data), size);
    const bool whole = Read_Name_Catalogue(catalogue, [&](std::string_view original, std::string_view translation) {
        FUZZ_CHECK(original.data() >= catalogue.data() && original.data() + original.size() <= catalogue.data() + size);
        FUZZ_CHECK(translation.data() >= catalogue.data()
                   && translation.data() + translation.size() <= catalogue.data() + size);
        ++pairs;
    });
    FUZZ_CHECK(whole || pairs == 0);

    if (const std::optional<CityRecord> record = Read_City_Record(catalogue)) {
        for (const std::string_view text : record->texts) {
            FUZZ_CHECK(text.data() >= catalogue.data() && text.data() + text.size() < catalogue.data() + size);
            FUZZ_CHECK(text.find('\0') == std::string_view::npos);
        }
    }
    return 0;
}
