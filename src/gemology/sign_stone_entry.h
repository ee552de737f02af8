#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

// One row of a sign's stone table: the sign's full name, its lucky stone as shown, the
// positions (from 1) of the sign's picture and the stone's picture in their catalogues, and
// the stone's descriptive text.
struct SignStoneEntry {
    std::string_view sign;
    std::string_view stone;
    int signPicture;
    int stonePicture;
    std::string_view text;
};

using SunStoneEntry = SignStoneEntry;
using MoonStoneEntry = SignStoneEntry;

// The first row whose sign equals the name letter for letter; nullptr when the name is unset
// or matches no row.
const SignStoneEntry* Find_Sign_Row(std::span<const SignStoneEntry> table, const std::optional<std::string>& sign);
