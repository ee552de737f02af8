// The row text of any text whatsoever, and of the position text of any longitude, which the
// row written straight from the longitude matches.
#include "astro/position_text.h"
#include "astro/zodiac_signs.h"
#include "fuzz/fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string row = Position_Row(text);
    FUZZ_CHECK(row.size() <= 2 * size + 8);  // two parts of the text, two blanks, the abbreviation

    if (size >= sizeof(double)) {
        double longitude;
        std::memcpy(&longitude, data, sizeof longitude);
        const std::string position = Format_Longitude(longitude);
        FUZZ_CHECK(Longitude_Row(longitude) == Position_Row(position));
        if (std::isfinite(longitude) && std::fabs(longitude) < 360.0) {
            const std::string longitudeRow = Position_Row(position);
            FUZZ_CHECK(longitudeRow.size() == 9);
            FUZZ_CHECK(Sign_Of_Row(longitudeRow).has_value());
        }
    }
    return 0;
}
