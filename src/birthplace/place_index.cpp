#include "birthplace/place_index.h"

#include "text/calendar_text.h"
#include "text/search_folding.h"

#include <algorithm>
#include <cstdlib>
#include <future>
#include <utility>

std::u16string Fold_Place_Text(QStringView text)
{
    return Fold_Search_Text(text, Apostrophes::Break);
}

namespace {

// The names of a run of places folded, one after the other: each place's own name, then its
// other names; name N ends at ends[N].
struct Folded_Names {
    std::u16string text;
    std::vector<std::size_t> ends;
    std::size_t otherLetters = 0;  // of the other names as written
};

Folded_Names Fold_Names(const std::vector<AtlasPlace>& places, std::size_t from, std::size_t to)
{
    SearchFolder folder(Apostrophes::Break);
    Folded_Names folded;
    std::size_t names = 0, letters = 0;
    for (std::size_t place = from; place < to; ++place) {
        names += 1 + static_cast<std::size_t>(places[place].otherNames.size());
        letters += static_cast<std::size_t>(places[place].name.size());
        for (const QString& name : places[place].otherNames)
            folded.otherLetters += static_cast<std::size_t>(name.size());
    }
    letters += folded.otherLetters;
    folded.ends.reserve(names);
    folded.text.reserve(letters + letters / 4);  // a few letters fold to two
    for (std::size_t place = from; place < to; ++place) {
        folder.fold(places[place].name, folded.text);
        folded.ends.push_back(folded.text.size());
        for (const QString& name : places[place].otherNames) {
            folder.fold(name, folded.text);
            folded.ends.push_back(folded.text.size());
        }
    }
    return folded;
}

}  // namespace

PlaceIndex::PlaceIndex(std::vector<AtlasPlace> places) : places_(std::move(places))
{
    // Folding the names is most of the work: the later half of the places is folded on a
    // thread of its own meanwhile.
    const std::size_t half = places_.size() / 2;
    auto laterHalf = std::async(std::launch::async, [this, half] { return Fold_Names(places_, half, places_.size()); });
    const Folded_Names earlierHalf = Fold_Names(places_, 0, half);
    const auto take = [this](const Folded_Names& folded, std::size_t from, std::size_t to) {
        std::size_t name = 0;
        const auto next = [&] {
            const std::size_t start = name == 0 ? 0 : folded.ends[name - 1];
            return std::u16string_view(folded.text).substr(start, folded.ends[name++] - start);
        };
        for (std::size_t place = from; place < to; ++place) {
            addName(static_cast<std::uint32_t>(place), {}, next());
            for (const QString& other : std::exchange(places_[place].otherNames, {}))
                addName(static_cast<std::uint32_t>(place), other, next());
        }
    };
    const Folded_Names laterFolded = laterHalf.get();
    const std::size_t names = earlierHalf.ends.size() + laterFolded.ends.size();
    foldedNames_.reserve(earlierHalf.text.size() + laterFolded.text.size());
    otherNames_.reserve(earlierHalf.otherLetters + laterFolded.otherLetters);
    for (auto* numbers : {&nameStarts_, &namePlaces_, &otherStarts_})
        numbers->reserve(names + 1);
    take(earlierHalf, 0, half);
    take(laterFolded, half, places_.size());
    nameStarts_.push_back(static_cast<std::uint32_t>(foldedNames_.size()));
    otherStarts_.push_back(static_cast<std::uint32_t>(otherNames_.size()));
    for (auto* texts : {&foldedNames_, &otherNames_})
        texts->shrink_to_fit();
    for (auto* numbers : {&nameStarts_, &namePlaces_, &otherStarts_})
        numbers->shrink_to_fit();

    // Sorted by their first four letters, which tell most of them apart at once, each half on a
    // thread of its own and the two merged; then each run of words alike in those letters by
    // the rest, and words alike to the end by their names' order.
    struct Sorted {
        std::uint64_t firstLetters;
        WordStart start;
    };
    std::vector<Sorted> sorted;
    for (std::uint32_t name = 0; name < namePlaces_.size(); ++name) {
        const std::u16string_view folded = foldedName(name);
        for (std::size_t at = 0; at < folded.size() && at <= UINT16_MAX; ++at) {
            if (at != 0 && folded[at - 1] != u' ')
                continue;
            std::uint64_t firstLetters = 0;
            for (std::size_t letter = 0; letter < 4; ++letter)
                firstLetters = firstLetters << 16 | (at + letter < folded.size() ? folded[at + letter] : 0);
            sorted.push_back({firstLetters, {name, static_cast<std::uint16_t>(at)}});
        }
    }
    const auto byFirstLetters = [](const Sorted& a, const Sorted& b) { return a.firstLetters < b.firstLetters; };
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    auto laterSorted = std::async(std::launch::async, [&] { std::sort(middle, sorted.end(), byFirstLetters); });
    std::sort(sorted.begin(), middle, byFirstLetters);
    laterSorted.get();
    std::inplace_merge(sorted.begin(), middle, sorted.end(), byFirstLetters);
    const auto byRest = [this](const Sorted& a, const Sorted& b) {
        const std::u16string_view keyA = key(a.start), keyB = key(b.start);
        const int rest = keyA.substr(std::min<std::size_t>(4, keyA.size())).compare(keyB.substr(std::min<std::size_t>(4, keyB.size())));
        if (rest != 0)
            return rest < 0;
        return a.start.name != b.start.name ? a.start.name < b.start.name : a.start.offset < b.start.offset;
    };
    for (auto run = sorted.begin(); run != sorted.end();) {
        const auto runEnd = std::find_if(run + 1, sorted.end(), [&](const Sorted& word) { return word.firstLetters != run->firstLetters; });
        if (runEnd - run > 1)
            std::sort(run, runEnd, byRest);
        run = runEnd;
    }
    wordStarts_.reserve(sorted.size());
    for (const Sorted& word : sorted)
        wordStarts_.push_back(word.start);
}

// A name of the place, folded; an other name (`shown` as written) only when it folds as none of
// the place's names already does.
void PlaceIndex::addName(std::uint32_t place, QStringView shown, std::u16string_view folded)
{
    const bool own = shown.isNull();
    if (!own) {
        if (folded.empty())
            return;
        for (std::size_t earlier = namePlaces_.size(); earlier-- > 0 && namePlaces_[earlier] == place;)
            if (foldedName(static_cast<std::uint32_t>(earlier)) == folded)
                return;
    }
    nameStarts_.push_back(static_cast<std::uint32_t>(foldedNames_.size()));
    otherStarts_.push_back(static_cast<std::uint32_t>(otherNames_.size()));
    namePlaces_.push_back(place);
    foldedNames_ += folded;
    if (!own)
        otherNames_.append(reinterpret_cast<const char16_t*>(shown.utf16()), static_cast<std::size_t>(shown.size()));
}

std::u16string_view PlaceIndex::foldedName(std::uint32_t name) const
{
    const std::uint32_t end = name + 1 < nameStarts_.size() ? nameStarts_[name + 1] : foldedNames_.size();
    return std::u16string_view(foldedNames_).substr(nameStarts_[name], end - nameStarts_[name]);
}

std::u16string_view PlaceIndex::key(const WordStart& start) const
{
    return foldedName(start.name).substr(start.offset);
}

std::vector<PlaceFound> PlaceIndex::find(QStringView text, std::size_t limit) const
{
    const std::u16string wanted = Fold_Place_Text(text);
    if (wanted.empty() || limit == 0)
        return {};
    auto first = std::lower_bound(wordStarts_.begin(), wordStarts_.end(), wanted,
                                  [this](const WordStart& start, const std::u16string& text) {
                                      return key(start) < std::u16string_view(text);
                                  });
    // Each place found once, with what its names matched: a name that starts with the text,
    // its own name, and the other name to show when its own did not match.
    struct Match {
        bool startsName;
        bool ownMatched;
        std::uint32_t population;
        std::uint32_t place;
        std::uint32_t otherName;
    };
    std::vector<Match> matches;
    std::vector<std::uint32_t> matchOf(places_.size(), UINT32_MAX);
    for (auto at = first; at != wordStarts_.end() && key(*at).starts_with(wanted); ++at) {
        const std::uint32_t place = namePlaces_[at->name];
        const bool own = otherStarts_[at->name] == otherStarts_[at->name + 1];
        const bool startsName = at->offset == 0;
        std::uint32_t& match = matchOf[place];
        if (match == UINT32_MAX) {
            match = static_cast<std::uint32_t>(matches.size());
            matches.push_back({startsName, own, places_[place].population, place, at->name});
            continue;
        }
        Match& found = matches[match];
        if (!own && startsName && !found.startsName)
            found.otherName = at->name;
        found.startsName = found.startsName || startsName;
        found.ownMatched = found.ownMatched || own;
    }
    const auto better = [](const Match& a, const Match& b) {
        if (a.startsName != b.startsName)
            return a.startsName;
        if (a.population != b.population)
            return a.population > b.population;
        return a.place < b.place;
    };
    const std::size_t kept = std::min(limit, matches.size());
    std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(kept), matches.end(), better);
    std::vector<PlaceFound> found;
    found.reserve(kept);
    for (std::size_t at = 0; at < kept; ++at) {
        const Match& match = matches[at];
        PlaceFound place{static_cast<int>(match.place), {}};
        if (!match.ownMatched) {
            const std::uint32_t from = otherStarts_[match.otherName];
            place.otherName = QString::fromUtf16(otherNames_.data() + from, otherStarts_[match.otherName + 1] - from);
        }
        found.push_back(std::move(place));
    }
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

QStringList Place_List_Texts(const PlaceIndex& index, const std::vector<PlaceFound>& found)
{
    QStringList texts;
    for (const PlaceFound& at : found) {
        const AtlasPlace& place = index.places()[static_cast<std::size_t>(at.place)];
        QStringList parts{at.otherName.isEmpty() ? place.name : QStringLiteral("%1 (%2)").arg(place.name, at.otherName)};
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
        const AtlasPlace& place = index.places()[static_cast<std::size_t>(found[static_cast<std::size_t>(at)].place)];
        texts[at] += QStringLiteral(" (%1, %2)")
                         .arg(Degrees_Minutes_Text(Arc_Minutes_Of(place.latitude).signedMinutes(), u'N', u'S'),
                              Degrees_Minutes_Text(Arc_Minutes_Of(place.longitude).signedMinutes(), u'E', u'W'));
    }
    return texts;
}
