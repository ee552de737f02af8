#include "healing/healing_catalogue.h"

#include "healing/healing_entries.h"
#include "healing/healing_entry_links.h"
#include "healing/healing_stone_table.h"
#include "healing/stone_descriptions.h"

#include <algorithm>
#include <array>

namespace {

using Healing_Stone_Table::Rows;

constexpr auto Names = [] {
    std::array<std::string_view, std::size(Rows)> names{};
    std::ranges::transform(Rows, names.begin(), &Healing_Stone_Table::StoneRow::name);
    return names;
}();

// The labels actually filled in, up to the first empty place.
std::span<const std::string_view> Filled_Labels(const Healing_Stone_Table::Labels& labels)
{
    const auto end = std::ranges::find(labels, std::string_view{});
    return {labels.begin(), end};
}

}  // namespace

std::span<const std::string_view> HealingStone::labels(EntryKind kind) const
{
    switch (kind) {
    case EntryKind::Organ: return organLabels;
    case EntryKind::MentalIllness: return mentalLabels;
    case EntryKind::PhysicalDisease: return physicalLabels;
    }
    return {};
}

std::span<const std::string_view> StoneNames()
{
    return Names;
}

std::span<const std::string_view> EntryTexts(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Organ: return Healing_Entries::Organs;
    case EntryKind::MentalIllness: return Healing_Entries::Mental;
    case EntryKind::PhysicalDisease: return Healing_Entries::Physical;
    }
    return {};
}

std::span<const std::string_view> StonesForEntry(EntryKind kind, std::string_view text)
{
    const auto entries = EntryTexts(kind);
    const auto found = std::ranges::find(entries, text);
    if (found == entries.end())
        return {};
    return Stones_By_Entry(kind)[static_cast<std::size_t>(found - entries.begin())];
}

std::optional<HealingStone> FindStone(std::string_view name)
{
    const auto found = std::ranges::find(Names, name);
    if (found == Names.end())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(found - Names.begin());
    const Healing_Stone_Table::StoneRow& row = Rows[index];
    const int number = static_cast<int>(index) + 1;
    return HealingStone{
        .name = row.name,
        .number = number,
        .physicalLabels = Filled_Labels(row.physical),
        .mentalLabels = Filled_Labels(row.mental),
        .organLabels = Filled_Labels(row.organs),
        .description = Stone_Description(number),
        .picture = number,
    };
}
