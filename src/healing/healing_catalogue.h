#pragma once
#include <optional>
#include <span>
#include <string_view>

// The three kinds of entry a healing stone may help with.
enum class EntryKind { Organ, MentalIllness, PhysicalDisease };

// One stone of the healing catalogue with the labels the crystal panel shows for it.
struct HealingStone {
    std::string_view name;
    int number = 0;  // 1 to 33, its place in the stone list
    std::span<const std::string_view> physicalLabels;
    std::span<const std::string_view> mentalLabels;
    std::span<const std::string_view> organLabels;
    std::string_view description;
    int picture = 0;  // position in the healing picture set, always equal to `number`

    std::span<const std::string_view> labels(EntryKind kind) const;
};

// The 33 stone names in catalogue order.
std::span<const std::string_view> StoneNames();

// The entry texts of one kind in catalogue order (49 organs, 66 mental, 91 physical).
std::span<const std::string_view> EntryTexts(EntryKind kind);

// The stones, in catalogue order, of the entry of that kind whose text equals `text` exactly
// (case counts); empty when no entry has that text.
std::span<const std::string_view> StonesForEntry(EntryKind kind, std::string_view text);

// The stone whose name equals `name` exactly (case counts), or nothing.
std::optional<HealingStone> FindStone(std::string_view name);
