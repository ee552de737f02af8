#pragma once
#include <QString>
#include <QStringView>

#include <string_view>
#include <vector>

// The groups a search shows its results in, in the order shown. Each group's number is also the
// index of the search option that opens its panel.
enum class FoundGroup { Crystals, PhysicalDiseases, MentalIllnesses, Organs };

// One stone or entry of the catalogue that a search found.
struct FoundItem {
    FoundGroup group;
    int index = 0;            // its place, from 0, in the stone list or in its kind's entry list
    std::string_view text;    // the stone's name or the entry's text, as the selectors show it
    int stoneCount = 0;       // for an entry, how many stones it lists
};

// Every stone and entry in which each typed word begins a word, accents and letter case
// aside ("insomnia" finds "Cures Insomnia"; "red jas" finds "Red Jasper"). Results come group by
// group and in catalogue order within a group. Typing with no letter or digit finds nothing.
std::vector<FoundItem> Find_In_Catalogue(QStringView typed);

// A group's heading in the result list.
QString Found_Group_Title(FoundGroup group);

// A result as the list shows it: a stone by its name, an entry with the number of its stones.
QString Found_Item_Text(const FoundItem& item);
