#pragma once
#include <array>
#include <string_view>

// The months' names from January, as the entry window lists them and the notes write dates.
inline constexpr std::array<std::string_view, 12> Month_Names{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};
