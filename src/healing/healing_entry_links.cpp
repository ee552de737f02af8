#include "healing/healing_entry_links.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::string_view Any_Stone;
constexpr std::string_view No_Entry;

// A label whose entry is not the one that matches it when letter case is ignored.
struct LinkException {
    EntryKind kind;
    std::string_view stone;  // Any_Stone: whichever stone carries the label
    std::string_view label;
    std::string_view entry;  // No_Entry: the label stands for no entry at all
};

constexpr LinkException Link_Exceptions[] = {
    {EntryKind::Organ, Any_Stone, "Hearts", "Heart"},
    {EntryKind::MentalIllness, Any_Stone, "Depressions", "Depression"},
    {EntryKind::PhysicalDisease, Any_Stone, "Depressions", "Depression"},
    {EntryKind::PhysicalDisease, Any_Stone, "Muscular Sprains & pains", "Muscular Sprains"},
    {EntryKind::PhysicalDisease, "Lapis Lazuli", "Wisdom", No_Entry},
    {EntryKind::PhysicalDisease, "Lapis Lazuli", "Inflammations", No_Entry},
};

constexpr char Lower_Ascii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool Equal_Ignoring_Case(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, {}, Lower_Ascii, Lower_Ascii);
}

std::optional<std::size_t> Entry_Index(EntryKind kind, std::string_view text, bool ignoreCase)
{
    const auto entries = EntryTexts(kind);
    const auto found = std::ranges::find_if(entries, [&](std::string_view entry) {
        return ignoreCase ? Equal_Ignoring_Case(entry, text) : entry == text;
    });
    if (found == entries.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - entries.begin());
}

std::vector<std::vector<std::string_view>> Derive_Stones_By_Entry(EntryKind kind)
{
    std::vector<std::vector<std::string_view>> stonesByEntry(EntryTexts(kind).size());
    for (std::string_view name : StoneNames()) {
        for (std::string_view label : FindStone(name)->labels(kind)) {
            const auto entry = Linked_Entry(kind, name, label);
            if (!entry)
                continue;
            auto& stones = stonesByEntry[*entry];
            if (stones.empty() || stones.back() != name)
                stones.push_back(name);
        }
    }
    return stonesByEntry;
}

}  // namespace

std::optional<std::size_t> Linked_Entry(EntryKind kind, std::string_view stone, std::string_view label)
{
    for (const LinkException& exception : Link_Exceptions) {
        if (exception.kind == kind && exception.label == label
            && (exception.stone == Any_Stone || exception.stone == stone)) {
            if (exception.entry == No_Entry)
                return std::nullopt;
            return Entry_Index(kind, exception.entry, false);
        }
    }
    return Entry_Index(kind, label, true);
}

const std::vector<std::vector<std::string_view>>& Stones_By_Entry(EntryKind kind)
{
    static const std::array tables{
        Derive_Stones_By_Entry(EntryKind::Organ),
        Derive_Stones_By_Entry(EntryKind::MentalIllness),
        Derive_Stones_By_Entry(EntryKind::PhysicalDisease),
    };
    return tables[static_cast<std::size_t>(kind)];
}
