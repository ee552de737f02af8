#include "birthplace/place_index.h"

#include "text/calendar_text.h"
#include "text/search_folding.h"

#include <algorithm>
#include <cstdlib>

std::u16string Fold_Place_Text(QStringView text)
{
    return Fold_Search_Text(text, Apostrophes::Break);
}

PlaceIndex::PlaceIndex(std::vector<AtlasPlace> places) : places_(std::move(places))
{
    nameStarts_.reserve(places_.size() + 1);
    for (const AtlasPlace& place : places_) {
        nameStarts_.push_back(static_cast<std::uint32_t>(foldedNames_.size()));
        foldedNames_ += Fold_Place_Text(place.name);
    }
    nameStarts_.push_back(static_cast<std::uint32_t>(foldedNames_.size()));
    foldedNames_.shrink_to_fit();
    for (std::uint32_t place = 0; place < places_.size(); ++place) {
        const std::u16string_view name = foldedName(place);
        for (std::size_t at = 0; at < name.size() && at <= UINT16_MAX; ++at)
            if (at == 0 || name[at - 1] == u' ')
                wordStarts_.push_back({place, static_cast<std::uint16_t>(at)});
    }
    wordStarts_.shrink_to_fit();
    std::sort(wordStarts_.begin(), wordStarts_.end(),
              [this](const WordStart& a, const WordStart& b) { return key(a) < key(b); });
}

std::u16string_view PlaceIndex::foldedName(std::uint32_t place) const
{
    return std::u16string_view(foldedNames_).substr(nameStarts_[place], nameStarts_[place + 1] - nameStarts_[place]);
}

std::u16string_view PlaceIndex::key(const WordStart& start) const
{
    return foldedName(start.place).substr(start.offset);
}

std::vector<int> PlaceIndex::find(QStringView text, std::size_t limit) const
{
    const std::u16string wanted = Fold_Place_Text(text);
    if (wanted.empty() || limit == 0)
        return {};
    auto first = std::lower_bound(wordStarts_.begin(), wordStarts_.end(), wanted,
                                  [this](const WordStart& start, const std::u16string& text) {
                                      return key(start) < std::u16string_view(text);
                                  });
    struct Match {
        bool startsName;
        std::uint32_t population;
        std::uint32_t place;
    };
    std::vector<Match> matches;
    for (auto at = first; at != wordStarts_.end() && key(*at).starts_with(wanted); ++at) {
        const AtlasPlace& place = places_[at->place];
        matches.push_back({at->offset == 0, place.population, at->place});
    }
    // A name with two words starting with the text counts once, at its best.
    const auto better = [](const Match& a, const Match& b) {
        if (a.startsName != b.startsName)
            return a.startsName;
        if (a.population != b.population)
            return a.population > b.population;
        return a.place < b.place;
    };
    std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        return a.place != b.place ? a.place < b.place : a.startsName > b.startsName;
    });
    matches.erase(std::unique(matches.begin(), matches.end(),
                              [](const Match& a, const Match& b) { return a.place == b.place; }),
                  matches.end());
    const std::size_t kept = std::min(limit, matches.size());
    std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(kept), matches.end(), better);
    std::vector<int> found;
    found.reserve(kept);
    for (std::size_t at = 0; at < kept; ++at)
        found.push_back(static_cast<int>(matches[at].place));
    return found;
}

ArcMinutes Arc_Minutes_Of(double degrees)
{
    const int total = Nearest_Minute(degrees * 60.0);
    ArcMinutes arc;
    arc.degrees = std::abs(total) / 60;
    arc.minutes = std::abs(total) % 60;
    arc.negative = total < 0;
    return arc;
}

QStringList Place_List_Texts(const PlaceIndex& index, const std::vector<int>& found)
{
    QStringList texts;
    for (const int at : found) {
        const AtlasPlace& place = index.places()[static_cast<std::size_t>(at)];
        QStringList parts{place.name};
        if (!place.state.isEmpty())
            parts.append(place.state);
        if (!place.country.isEmpty())
            parts.append(place.country);
        texts.append(parts.join(QStringLiteral(", ")));
    }
    const QStringList plain = texts;
    for (qsizetype at = 0; at < texts.size(); ++at) {
        if (plain.count(plain[at]) < 2)
            continue;
        const AtlasPlace& place = index.places()[static_cast<std::size_t>(found[static_cast<std::size_t>(at)])];
        texts[at] += QStringLiteral(" (%1, %2)")
                         .arg(Degrees_Minutes_Text(Arc_Minutes_Of(place.latitude).signedMinutes(), u'N', u'S'),
                              Degrees_Minutes_Text(Arc_Minutes_Of(place.longitude).signedMinutes(), u'E', u'W'));
    }
    return texts;
}
