#include "birthplace/place_finder.h"

#include "birthplace/place_atlas.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>

namespace {

// Enough places to show every namesake the atlas holds (eleven Springfields).
constexpr std::size_t Place_List_Length = 20;
constexpr int Place_Role = Qt::UserRole + 1;

}  // namespace

PlaceFinder::PlaceFinder(QLineEdit* field)
    : QObject(field), field(field), placeItems(new QStandardItemModel(this)), lstPlaces(new QCompleter(placeItems, this))
{
    lstPlaces->setWidget(field);
    lstPlaces->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    lstPlaces->setMaxVisibleItems(12);
    lstPlaces->setObjectName(QStringLiteral("lstPlaces"));
    if (auto* rows = qobject_cast<QListView*>(lstPlaces->popup()))
        rows->setUniformItemSizes(true);  // one row's size serves for all: no measuring each keystroke
    lstPlaces->popup()->setObjectName(QStringLiteral("lstPlacesRows"));  // the theme's name for the list
    connect(field, &QLineEdit::textEdited, this, &PlaceFinder::field_TextEdited);
    connect(lstPlaces, qOverload<const QModelIndex&>(&QCompleter::activated), this, &PlaceFinder::lstPlaces_Activated);
    PlaceAtlas& atlas = PlaceAtlas::shared();
    connect(&atlas, &PlaceAtlas::ready, this, &PlaceFinder::atlas_Ready);
    atlas.startLoading();
}

void PlaceFinder::field_TextEdited(const QString& text)
{
    showPlaceList(text);
}

void PlaceFinder::atlas_Ready()
{
    if (field->hasFocus())
        showPlaceList(field->text());
}

void PlaceFinder::showPlaceList(const QString& text)
{
    const PlaceAtlas& atlas = PlaceAtlas::shared();
    const PlaceIndex* index = atlas.index();
    if (!index)
        return;  // atlas_Ready shows the list for the text typed by then
    if (Fold_Place_Text(text).empty()) {
        lstPlaces->popup()->hide();
        shownTexts.clear();
        return;
    }
    const std::vector<int> found = index->find(text, Place_List_Length);
    if (found.empty()) {
        showRows({QStringLiteral("No place of that name in the atlas: type the coordinates below")}, {});
        return;
    }
    showRows(Place_List_Texts(*index, found), found);
}

// A row of each text; the rows of `places` choose them, a row beyond them only tells.
void PlaceFinder::showRows(const QStringList& texts, const std::vector<int>& places)
{
    // The same rows again: the list stays as it is, so no screen reader hears it anew.
    if (texts == shownTexts && lstPlaces->popup()->isVisible())
        return;
    QList<QStandardItem*> items;
    for (qsizetype at = 0; at < texts.size(); ++at) {
        auto* item = new QStandardItem(texts[at]);
        if (static_cast<std::size_t>(at) < places.size())
            item->setData(places[static_cast<std::size_t>(at)], Place_Role);
        else
            item->setFlags(Qt::ItemIsEnabled);
        item->setEditable(false);
        items.append(item);
    }
    placeItems->clear();
    placeItems->appendColumn(items);  // the list changes once, not once per place
    shownTexts = texts;
    lstPlaces->complete();
    lstPlaces->popup()->setCurrentIndex({});  // no row chosen: Down chooses the first
}

void PlaceFinder::lstPlaces_Activated(const QModelIndex& item)
{
    const PlaceIndex* index = PlaceAtlas::shared().index();
    const QVariant place = item.data(Place_Role);
    if (!index || !place.isValid())
        return;
    lstPlaces->popup()->hide();
    shownTexts.clear();
    emit placeChosen(index->places().at(place.toUInt()));
}
