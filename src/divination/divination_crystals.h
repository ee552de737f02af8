#pragma once
#include "divination/crystal_readings.h"

#include <array>
#include <string_view>

// One crystal of the divination draw: its name, its picture in the window's picture set
// (Divination_IMG) and its reading.
struct DivinationCrystal {
    std::string_view name;
    int picture;
    std::string_view reading;
};

namespace Divination_Crystals {

inline constexpr int Count = 31;

// Crystal n is row n, counted from 1. The healing stones without Jasper and Goldstone.
inline constexpr std::array<DivinationCrystal, Count> Rows{{
    {"Red Jasper", 1, Crystal_Readings::Red_Jasper},
    {"Green Aventurine", 2, Crystal_Readings::Green_Aventurine},
    {"Sodalite", 3, Crystal_Readings::Sodalite},
    {"Hematite", 4, Crystal_Readings::Hematite},
    {"Moonstone", 5, Crystal_Readings::Moonstone},
    {"Tiger Eye", 6, Crystal_Readings::Tiger_Eye},
    {"Rose Quartz", 7, Crystal_Readings::Rose_Quartz},
    {"Carnelian", 8, Crystal_Readings::Carnelian},
    {"Jade", 9, Crystal_Readings::Jade},
    {"Amethyst", 10, Crystal_Readings::Amethyst},
    {"Bloodstone", 11, Crystal_Readings::Bloodstone},
    {"Emerald", 12, Crystal_Readings::Emerald},
    {"Ruby", 13, Crystal_Readings::Ruby},
    {"Sapphire", 14, Crystal_Readings::Sapphire},
    {"Diamond", 15, Crystal_Readings::Diamond},
    {"Pearl", 16, Crystal_Readings::Pearl},
    {"Coral", 17, Crystal_Readings::Coral},
    {"Turquoise", 18, Crystal_Readings::Turquoise},
    {"Peridot", 19, Crystal_Readings::Peridot},
    {"Topaz", 20, Crystal_Readings::Topaz},
    {"Garnet", 21, Crystal_Readings::Garnet},
    {"Azurite", 22, Crystal_Readings::Azurite},
    {"Cat's Eye", 23, Crystal_Readings::Cats_Eye},
    {"Malachite", 24, Crystal_Readings::Malachite},
    {"Quartz", 25, Crystal_Readings::Quartz},
    {"Selenite", 26, Crystal_Readings::Selenite},
    {"Lapis Lazuli", 27, Crystal_Readings::Lapis_Lazuli},
    {"Celestite", 28, Crystal_Readings::Celestite},
    {"Citrine", 29, Crystal_Readings::Citrine},
    {"Chrysocolla", 30, Crystal_Readings::Chrysocolla},
    {"Aquamarine", 31, Crystal_Readings::Aquamarine},
}};

// Crystal n, for n from 1 to Count.
constexpr const DivinationCrystal& crystal(int n)
{
    return Rows[static_cast<std::size_t>(n - 1)];
}

// What the window shows while it waits for a draw.
inline constexpr std::string_view Introduction =
    "Zev Crystal Divination generates a crystal based reading for your day-to-day problems. "
    "This will guide you to find solutions for your problems and help you attain your goals.";

}  // namespace Divination_Crystals
