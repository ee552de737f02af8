#include "healing/catalogue_find.h"

#include "healing/healing_catalogue.h"
#include "shell/table_text.h"
#include "text/search_folding.h"

#include <QStringList>

#include <algorithm>

namespace {

struct SearchedText {
    FoundItem item;
    QStringList words;
};

// The groups of entries, each with the kind of entry it holds.
constexpr struct {
    FoundGroup group;
    EntryKind kind;
} Entry_Groups[] = {
    {FoundGroup::PhysicalDiseases, EntryKind::PhysicalDisease},
    {FoundGroup::MentalIllnesses, EntryKind::MentalIllness},
    {FoundGroup::Organs, EntryKind::Organ},
};

// The words of a text as the search compares them; an apostrophe keeps its word whole, so
// "cats" finds "Cat's Eye".
QStringList Searched_Words(QStringView text)
{
    return Fold_Search_Words(text, Apostrophes::Dropped);
}

// Every stone and entry with its folded words, in the order results are shown.
const std::vector<SearchedText>& Searched_Texts()
{
    static const std::vector<SearchedText> texts = [] {
        std::vector<SearchedText> all;
        int index = 0;
        for (std::string_view name : StoneNames())
            all.push_back({{FoundGroup::Crystals, index++, name, 0}, Searched_Words(To_QString(name))});
        for (const auto& [group, kind] : Entry_Groups) {
            index = 0;
            for (std::string_view entry : EntryTexts(kind)) {
                const int stones = static_cast<int>(StonesForEntry(kind, entry).size());
                all.push_back({{group, index++, entry, stones}, Searched_Words(To_QString(entry))});
            }
        }
        return all;
    }();
    return texts;
}

bool Begins_A_Word(const QStringList& words, const QString& typed)
{
    return std::ranges::any_of(words, [&](const QString& word) { return word.startsWith(typed); });
}

// The typed words that still say something: a word that begins another typed word, or repeats
// one, matches wherever that longer word does. In sorted order a word that begins others comes
// just before the first of them, so one pass finds them, however much was typed.
QStringList Telling_Words(QStringList typed)
{
    typed.sort();
    typed.removeDuplicates();
    QStringList telling;
    for (qsizetype at = 0; at < typed.size(); ++at) {
        if (at + 1 == typed.size() || !typed[at + 1].startsWith(typed[at]))
            telling.append(typed[at]);
    }
    return telling;
}

}  // namespace

std::vector<FoundItem> Find_In_Catalogue(QStringView typed)
{
    const QStringList words = Telling_Words(Searched_Words(typed));
    std::vector<FoundItem> found;
    if (words.isEmpty())
        return found;
    for (const SearchedText& searched : Searched_Texts()) {
        if (std::ranges::all_of(words, [&](const QString& word) { return Begins_A_Word(searched.words, word); }))
            found.push_back(searched.item);
    }
    return found;
}

QString Found_Group_Title(FoundGroup group)
{
    switch (group) {
    case FoundGroup::Crystals: return QStringLiteral("Crystals");
    case FoundGroup::PhysicalDiseases: return QStringLiteral("Physical diseases");
    case FoundGroup::MentalIllnesses: return QStringLiteral("Mental illnesses and qualities");
    case FoundGroup::Organs: return QStringLiteral("Organs and body parts");
    }
    return {};
}

QString Found_Item_Text(const FoundItem& item)
{
    if (item.group == FoundGroup::Crystals)
        return To_QString(item.text);
    return QStringLiteral("%1 (%2 %3)")
        .arg(To_QString(item.text))
        .arg(item.stoneCount)
        .arg(item.stoneCount == 1 ? QStringLiteral("stone") : QStringLiteral("stones"));
}
