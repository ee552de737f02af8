#pragma once
#include "healing/healing_catalogue.h"

#include <string_view>
#include <vector>

// The stones of every entry of one kind, indexed like EntryTexts(kind), each list in stone
// order. Worked out from the stones' labels the first time it is asked for, then kept.
const std::vector<std::vector<std::string_view>>& Stones_By_Entry(EntryKind kind);
