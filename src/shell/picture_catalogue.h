#pragma once
#include <span>
#include <string_view>

// One picture of a catalogue: the key the catalogue gives it, and the drawing that shows it
// (a resource under ":/pictures/", without the ".svg"). The same stone is the same drawing in
// every catalogue.
struct PictureEntry {
    std::string_view key;
    std::string_view drawing;
};

// An ordered list of pictures addressed by position counted from 1.
class PictureCatalogue {
public:
    constexpr PictureCatalogue(std::span<const PictureEntry> entries) : entries(entries) {}

    constexpr int size() const { return static_cast<int>(entries.size()); }

    // The entry at a position, or nullptr for a position outside 1..size().
    constexpr const PictureEntry* at(int position) const
    {
        return position >= 1 && position <= size() ? &entries[static_cast<std::size_t>(position - 1)]
                                                   : nullptr;
    }

private:
    std::span<const PictureEntry> entries;
};
