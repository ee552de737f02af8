#include "gemology/place_index.h"

#include <algorithm>
#include <cmath>

namespace {

// Letters that carry their difference in the letter itself rather than in a combining accent.
char16_t Plain_Letter(char16_t letter, char16_t& second)
{
    second = 0;
    switch (letter) {
    case u'ß': second = u's'; return u's';
    case u'æ': second = u'e'; return u'a';
    case u'œ': second = u'e'; return u'o';
    case u'ø': return u'o';
    case u'ł': return u'l';
    case u'đ': return u'd';
    case u'ı': return u'i';
    case u'ð': return u'd';
    case u'þ': second = u'h'; return u't';
    default: return letter;
    }
}

void Append_Folded(std::u16string& folded, bool& blank, char16_t letter)
{
    if (blank && !folded.empty())
        folded.push_back(u' ');
    blank = false;
    folded.push_back(letter);
}

}  // namespace

std::u16string Fold_Place_Text(QStringView text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    // Only text outside ASCII needs its accents taken apart from their letters.
    const QString decomposed = ascii ? QString() : text.toString().normalized(QString::NormalizationForm_KD);
    const QStringView letters = ascii ? text : QStringView(decomposed);

    std::u16string folded;
    folded.reserve(static_cast<std::size_t>(letters.size()));
    bool blank = false;
    for (qsizetype at = 0; at < letters.size(); ++at) {
        QChar character = letters[at];
        if (character.isHighSurrogate() && at + 1 < letters.size() && letters[at + 1].isLowSurrogate()) {
            ++at;  // no place name holds letters beyond the first plane: a blank
            blank = true;
            continue;
        }
        if (character.category() == QChar::Mark_NonSpacing)
            continue;
        if (!character.isLetterOrNumber()) {
            blank = true;
            continue;
        }
        char16_t second = 0;
        const char16_t lower = Plain_Letter(character.toCaseFolded().unicode(), second);
        Append_Folded(folded, blank, lower);
        if (second)
            folded.push_back(second);
    }
    return folded;
}

PlaceIndex::PlaceIndex(std::vector<AtlasPlace> places) : places_(std::move(places))
{
    foldedNames_.reserve(places_.size());
    for (const AtlasPlace& place : places_)
        foldedNames_.push_back(Fold_Place_Text(place.name));
    for (std::uint32_t place = 0; place < foldedNames_.size(); ++place) {
        const std::u16string& name = foldedNames_[place];
        for (std::size_t at = 0; at < name.size() && at <= UINT16_MAX; ++at)
            if (at == 0 || name[at - 1] == u' ')
                wordStarts_.push_back({place, static_cast<std::uint16_t>(at)});
    }
    std::sort(wordStarts_.begin(), wordStarts_.end(),
              [this](const WordStart& a, const WordStart& b) { return key(a) < key(b); });
}

std::u16string_view PlaceIndex::key(const WordStart& start) const
{
    return std::u16string_view(foldedNames_[start.place]).substr(start.offset);
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
    const long total = std::lround(std::fabs(degrees) * 60.0);
    ArcMinutes arc;
    arc.degrees = static_cast<int>(total / 60);
    arc.minutes = static_cast<int>(total % 60);
    arc.negative = degrees < 0 && total > 0;
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
        const ArcMinutes latitude = Arc_Minutes_Of(place.latitude);
        const ArcMinutes longitude = Arc_Minutes_Of(place.longitude);
        texts[at] += QStringLiteral(" (%1°%2′ %3, %4°%5′ %6)")
                         .arg(latitude.degrees)
                         .arg(latitude.minutes, 2, 10, QLatin1Char('0'))
                         .arg(QChar(latitude.negative ? u'S' : u'N'))
                         .arg(longitude.degrees)
                         .arg(longitude.minutes, 2, 10, QLatin1Char('0'))
                         .arg(QChar(longitude.negative ? u'W' : u'E'));
    }
    return texts;
}
