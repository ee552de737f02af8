#pragma once
#include "people/person.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

// The rows of the book's list: a person's name, birth date and time, and city; newest first
// until a column is sorted, and only the people whose name, place or note hold every word of
// the find text (case and accents folded as the other finders fold them).
class PeopleTable : public QAbstractTableModel {
public:
    enum ColumnNumber { NameColumn, BornColumn, CityColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Takes the book's people anew; the find text and the order stay.
    void setPeople(const std::vector<Person>& people);
    // Shows one person's row as changed (its note, its fields), or adds it.
    void updatePerson(const Person& person);
    void removePerson(qint64 id);

    void setFindText(const QString& text);
    // The list row of a person, or -1 when it is not shown.
    int rowOf(qint64 id) const;
    qint64 idAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    struct Row {
        qint64 id;
        QString name;
        QString city;
        qint64 bornKey;  // the birth moment as a sortable number
        bool timeKnown;
        std::u16string folded;
    };
    static Row rowFor(const Person& person);
    static QString bornText(const Row& row);
    void showRows();
    bool matches(const Row& row) const;
    bool before(const Row& one, const Row& other) const;

    std::vector<Row> rows_;         // in the order the book holds them (the order of adding)
    std::vector<int> shown_;        // positions in rows_, in list order
    QStringList findWords_;
    int sortColumn_ = -1;           // none: newest first
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
