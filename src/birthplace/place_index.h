#pragma once
#include "birthplace/atlas_place.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <string>
#include <vector>

// A text as the place search compares it: folded as every search does (text/search_folding.h),
// with apostrophes breaking words like hyphens and full stops. "São Paulo" and "sao-paulo" both
// give "sao paulo".
std::u16string Fold_Place_Text(QStringView text);

// A place found: its position in the index's places, and the other name the text matched
// when it matched none of the place's own ("München" for Munich); empty when it did.
struct PlaceFound {
    int place = 0;
    QString otherName;
    bool operator==(const PlaceFound&) const = default;
};

// The places of the atlas with every word of every name they go by sorted for searching by
// what the user types. Built once, then only read.
class PlaceIndex {
public:
    // Each place's other names are taken into the index (and out of the place).
    explicit PlaceIndex(std::vector<AtlasPlace> places);

    const std::vector<AtlasPlace>& places() const { return places_; }

    // The places with a name that has a word starting with the text, folded as above (so "york"
    // finds "New York", "zurich" "Zürich" and "munchen" Munich): places with a name that starts
    // with the text first, then the others; within each, the most inhabitants first. At most
    // `limit` of them. None for a text with no letter or digit. Names in scripts that write no
    // spaces between words (Chinese, Japanese) are one word, found from their start.
    std::vector<PlaceFound> find(QStringView text, std::size_t limit) const;

private:
    struct WordStart {
        std::uint32_t name;
        std::uint16_t offset;  // where the word starts in the folded name
    };
    std::u16string_view foldedName(std::uint32_t name) const;
    std::u16string_view key(const WordStart& start) const;
    void addName(std::uint32_t place, QStringView shown, std::u16string_view folded);

    std::vector<AtlasPlace> places_;
    // Every name folded, one after the other in one text (a text each would cost more than the
    // names themselves); name N's starts at nameStarts_[N] and ends where N+1's starts. A
    // place's own name comes first, then its other names.
    std::u16string foldedNames_;
    std::vector<std::uint32_t> nameStarts_;
    std::vector<std::uint32_t> namePlaces_;  // the place of each name
    // The other names as written, in the same way; a place's own name has none here.
    std::u16string otherNames_;
    std::vector<std::uint32_t> otherStarts_;
    std::vector<WordStart> wordStarts_;  // sorted by the folded name from the word on
};

// A position in degrees as whole degrees and minutes of arc, rounded to the nearest minute.
struct ArcMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  // South or West
    int signedMinutes() const { return (negative ? -1 : 1) * (degrees * 60 + minutes); }
};
ArcMinutes Arc_Minutes_Of(double degrees);

// How the place list shows each place found: "City, State, Country", with the other name
// matched in brackets after the city ("Munich (München), Bavaria, Germany"), and where two
// places found read alike, their coordinates after it.
QStringList Place_List_Texts(const PlaceIndex& index, const std::vector<PlaceFound>& found);
