#include "healing/stone_in_readings.h"

#include "astro/zodiac_signs.h"
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"
#include "gemology/month_stones.h"
#include "gemology/sign_stones.h"
#include "healing/gemology_stone_names.h"
#include "text/month_names.h"

#include <algorithm>
#include <vector>

namespace {

// Whether the stone a reading shows is (or includes) the healing stone.
bool Is_Stone(const std::string& shown, std::string_view healingStone)
{
    for (const auto& [gemology, healing] : Gemology_Stone_Names::Table) {
        if (gemology == shown)
            return std::ranges::find(healing, healingStone) != healing.end();
    }
    return false;
}

std::vector<ReadingPlace> Derive_Reading_Places()
{
    std::vector<ReadingPlace> places;
    for (int month = 1; month <= 12; ++month) {
        BirthData birth;
        birth.month = static_cast<std::int16_t>(month);
        GemologyReading reading;
        Avoid_Stone(birth, reading);
        places.push_back({ReadingPlace::Kind::BirthMonth, Month_Names[month - 1], reading.birthStone.value_or("")});
    }
    for (const ZodiacSign& sign : Zodiac_Signs) {
        GemologyReading reading;
        reading.sunSign = reading.moonSign = std::string(sign.name);
        Sun_More_About_LuckyStone(reading);
        Moon_More_About_LuckyStone(reading);
        places.push_back({ReadingPlace::Kind::SunSign, sign.name, reading.sunStone.value_or("")});
        places.push_back({ReadingPlace::Kind::MoonSign, sign.name, reading.moonStone.value_or("")});
    }
    return places;
}

// "A", "A and B", "A, B and C".
std::string Joined(const std::vector<std::string>& names)
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
void Append_Signs(std::vector<std::string>& places, std::vector<std::string> signs, std::string_view kind)
{
    if (signs.empty())
        return;
    signs.back() += " (" + std::string(kind) + (signs.size() > 1 ? " signs)" : " sign)");
    places.insert(places.end(), signs.begin(), signs.end());
}

}  // namespace

const std::vector<ReadingPlace>& Reading_Places()
{
    static const std::vector<ReadingPlace> places = Derive_Reading_Places();
    return places;
}

std::string Stone_In_Readings(std::string_view healingStone)
{
    std::vector<std::string> months;
    std::vector<std::string> sunSigns;
    std::vector<std::string> moonSigns;
    for (const ReadingPlace& place : Reading_Places()) {
        if (!Is_Stone(place.stone, healingStone))
            continue;
        auto& names = place.kind == ReadingPlace::Kind::BirthMonth ? months
                    : place.kind == ReadingPlace::Kind::SunSign    ? sunSigns
                                                                   : moonSigns;
        names.emplace_back(place.name);
    }

    std::vector<std::string> signs;
    Append_Signs(signs, sunSigns, "sun");
    Append_Signs(signs, moonSigns, "moon");
    if (months.empty() && signs.empty())
        return "Neither a birth stone nor a lucky stone in Zev Gemology.";
    std::string line;
    if (!months.empty())
        line = "Birth stone of " + Joined(months) + ".";
    if (!signs.empty())
        line += (line.empty() ? "" : " ") + ("Lucky stone of " + Joined(signs) + ".");
    return line;
}
