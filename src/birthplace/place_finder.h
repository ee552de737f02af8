#pragma once
#include "birthplace/atlas_place.h"

#include <QObject>
#include <QStringList>

class QCompleter;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;

// The place finder of a text field: as the user types, the atlas places whose names match the
// text in a list under the field (the list "lstPlaces", its rows "lstPlacesRows"), or a row that
// says none does; choosing one tells placeChosen. The list opens with no row chosen, so Down
// chooses the first, and a keystroke that finds the same places leaves it as it is.
class PlaceFinder : public QObject {
    Q_OBJECT
public:
    explicit PlaceFinder(QLineEdit* field);

    // The list under the field; for the tests and the screenshots.
    QCompleter* list() const { return lstPlaces; }

signals:
    void placeChosen(const AtlasPlace& place);

private:
    void field_TextEdited(const QString& text);
    void lstPlaces_Activated(const QModelIndex& item);
    void atlas_Ready();
    void showPlaceList(const QString& text);
    void showRows(const QStringList& texts, const std::vector<int>& places);

    QLineEdit* field;
    QStandardItemModel* placeItems;
    QCompleter* lstPlaces;
    QStringList shownTexts;  // the rows the list shows, to leave an unchanged list alone
};
