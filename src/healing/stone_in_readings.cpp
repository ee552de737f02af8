#include "healing/stone_in_readings.h"

#include "astro/zodiac_signs.h"
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"
#include "gemology/month_stones.h"
#include "gemology/moon_stones.h"
#include "gemology/sun_stones.h"
#include "healing/gemology_stone_names.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view Month_Names[] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// Whether the stone a reading shows is (or includes) the healing stone.
bool isStone(const std::optional<std::string>& shown, std::string_view healingStone)
{
    if (!shown)
        return false;
    for (const auto& [gemology, healing] : Gemology_Stone_Names::Table) {
        if (gemology == *shown)
            return std::ranges::find(healing, healingStone) != healing.end();
    }
    return false;
}

// "A", "A and B", "A, B and C".
std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (std::size_t at = 0; at < names.size(); ++at) {
        if (at > 0)
            text += at + 1 == names.size() ? " and " : ", ";
        text += names[at];
    }
    return text;
}

// The signs of one kind, the last one carrying the kind ("Gemini", "Virgo (moon signs)").
void appendSigns(std::vector<std::string>& places, std::vector<std::string> signs, std::string_view kind)
{
    if (signs.empty())
        return;
    signs.back() += " (" + std::string(kind) + (signs.size() > 1 ? " signs)" : " sign)");
    places.insert(places.end(), signs.begin(), signs.end());
}

}  // namespace

std::string Stone_In_Readings(std::string_view healingStone)
{
    std::vector<std::string> months;
    for (int month = 1; month <= 12; ++month) {
        BirthData birth;
        birth.month = static_cast<std::int16_t>(month);
        GemologyReading reading;
        Avoid_Stone(birth, reading);
        if (isStone(reading.birthStone, healingStone))
            months.emplace_back(Month_Names[month - 1]);
    }
    std::vector<std::string> sunSigns;
    std::vector<std::string> moonSigns;
    for (const ZodiacSign& sign : Zodiac_Signs) {
        GemologyReading reading;
        reading.sunSign = reading.moonSign = std::string(sign.name);
        Sun_More_About_LuckyStone(reading);
        Moon_More_About_LuckyStone(reading);
        if (isStone(reading.sunStone, healingStone))
            sunSigns.emplace_back(sign.name);
        if (isStone(reading.moonStone, healingStone))
            moonSigns.emplace_back(sign.name);
    }

    std::vector<std::string> signs;
    appendSigns(signs, sunSigns, "sun");
    appendSigns(signs, moonSigns, "moon");
    if (months.empty() && signs.empty())
        return "Neither a birth stone nor a lucky stone in Zev Gemology.";
    std::string line;
    if (!months.empty())
        line = "Birth stone of " + joined(months) + ".";
    if (!signs.empty())
        line += (line.empty() ? "" : " ") + ("Lucky stone of " + joined(signs) + ".");
    return line;
}
