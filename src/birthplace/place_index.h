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

// The places of the atlas with every word of their names sorted for searching by what the user
// types. Built once, then only read.
class PlaceIndex {
public:
    explicit PlaceIndex(std::vector<AtlasPlace> places);

    const std::vector<AtlasPlace>& places() const { return places_; }

    // The places whose names have a word starting with the text, folded as above (so "york"
    // finds "New York" and "zurich" "Zürich"): names that start with the text first, then the
    // others; within each, the most inhabitants first. At most `limit` of them, as positions
    // in places(). None for a text with no letter or digit.
    std::vector<int> find(QStringView text, std::size_t limit) const;

private:
    struct WordStart {
        std::uint32_t place;
        std::uint16_t offset;  // where the word starts in the folded name
    };
    std::u16string_view foldedName(std::uint32_t place) const;
    std::u16string_view key(const WordStart& start) const;

    std::vector<AtlasPlace> places_;
    // Every place's name folded, one after the other in one text (a text each would cost more
    // than the names themselves); place N's starts at nameStarts_[N] and ends where N+1's starts.
    std::u16string foldedNames_;
    std::vector<std::uint32_t> nameStarts_;
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

// How the place list shows each place found: "City, State, Country", and where two places
// found read alike, their coordinates after it.
QStringList Place_List_Texts(const PlaceIndex& index, const std::vector<int>& found);
