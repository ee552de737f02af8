#pragma once
#include "healing/healing_catalogue.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The stones of every entry of one kind, indexed like EntryTexts(kind), each list in stone
// order. Worked out from the stones' labels the first time it is asked for, then kept.
const std::vector<std::vector<std::string_view>>& Stones_By_Entry(EntryKind kind);

// The entry of that kind that a stone's label stands for, as its place in EntryTexts(kind); nothing
// for the few labels that stand for no entry (Lapis Lazuli's "Wisdom" and "Inflammations").
std::optional<std::size_t> Linked_Entry(EntryKind kind, std::string_view stone, std::string_view label);
