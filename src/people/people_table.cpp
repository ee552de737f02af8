#include "people/people_table.h"

#include "text/calendar_text.h"
#include "text/search_folding.h"


#include <algorithm>

namespace {

const QString Blank = QStringLiteral(" ");

}  // namespace

PeopleTable::Row PeopleTable::rowFor(const Person& person)
{
    const BirthData& birth = person.birth;
    const qint64 bornKey = ((((qint64(birth.year) * 13 + birth.month) * 32 + birth.day) * 24 + birth.hour) * 60
                            + birth.minute) * 60 + birth.second;
    const QString searched = birth.name + Blank + birth.city + Blank + birth.state + Blank + birth.country + Blank
                             + person.note;
    return {person.id, birth.name, birth.city, bornKey, birth.timeAccuracy != TimeAccuracy::notKnown,
            Fold_Search_Text(searched, Apostrophes::Dropped)};
}

QString PeopleTable::bornText(const Row& row)
{
    qint64 moment = row.bornKey / 60;  // the seconds are not shown
    const int minute = static_cast<int>(moment % 60);
    moment /= 60;
    const int hour = static_cast<int>(moment % 24);
    moment /= 24;
    const int day = static_cast<int>(moment % 32);
    moment /= 32;
    const QString date = Date_Text(QDate(static_cast<int>(moment / 13), static_cast<int>(moment % 13), day));
    return row.timeKnown ? date + Blank + Clock_Text(QTime(hour, minute)) : date;
}

void PeopleTable::setPeople(const std::vector<Person>& people)
{
    rows_.clear();
    rows_.reserve(people.size());
    for (const Person& person : people)
        rows_.push_back(rowFor(person));
    showRows();
}

void PeopleTable::updatePerson(const Person& person)
{
    const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const Row& row) { return row.id == person.id; });
    if (found == rows_.end()) {
        rows_.push_back(rowFor(person));
        showRows();
        return;
    }
    Row changed = rowFor(person);
    const bool sameList = changed.name == found->name && changed.bornKey == found->bornKey
                          && changed.timeKnown == found->timeKnown && changed.city == found->city
                          && matches(changed) == matches(*found);
    *found = std::move(changed);
    if (!sameList) {
        showRows();
        return;
    }
    if (const int row = rowOf(person.id); row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void PeopleTable::removePerson(qint64 id)
{
    std::erase_if(rows_, [&](const Row& row) { return row.id == id; });
    showRows();
}

void PeopleTable::setFindText(const QString& text)
{
    const QStringList words = Fold_Search_Words(text, Apostrophes::Dropped);
    if (words == findWords_)
        return;
    // A find text that only narrows the last one (a letter typed) needs only the rows shown.
    const bool narrows = std::all_of(findWords_.cbegin(), findWords_.cend(), [&](const QString& old) {
        return std::any_of(words.cbegin(), words.cend(), [&](const QString& word) { return word.contains(old); });
    });
    findWords_ = words;
    if (!narrows) {
        showRows();
        return;
    }
    beginResetModel();
    std::erase_if(shown_, [this](int at) { return !matches(rows_[static_cast<std::size_t>(at)]); });
    endResetModel();
}

bool PeopleTable::matches(const Row& row) const
{
    const QStringView folded(row.folded);
    return std::all_of(findWords_.cbegin(), findWords_.cend(), [&](const QString& word) { return folded.contains(word); });
}

bool PeopleTable::before(const Row& one, const Row& other) const
{
    switch (sortColumn_) {
    case NameColumn: return QString::localeAwareCompare(one.name, other.name) < 0;
    case BornColumn: return one.bornKey < other.bornKey;
    case CityColumn: return QString::localeAwareCompare(one.city, other.city) < 0;
    default: return false;
    }
}

void PeopleTable::showRows()
{
    beginResetModel();
    shown_.clear();
    for (int at = static_cast<int>(rows_.size()) - 1; at >= 0; --at) {  // newest first
        if (matches(rows_[static_cast<std::size_t>(at)]))
            shown_.push_back(at);
    }
    if (sortColumn_ >= 0) {
        std::stable_sort(shown_.begin(), shown_.end(), [this](int one, int other) {
            const Row& first = rows_[static_cast<std::size_t>(one)];
            const Row& second = rows_[static_cast<std::size_t>(other)];
            return sortOrder_ == Qt::AscendingOrder ? before(first, second) : before(second, first);
        });
    }
    endResetModel();
}

void PeopleTable::sort(int column, Qt::SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    showRows();
}

int PeopleTable::rowOf(qint64 id) const
{
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        if (rows_[static_cast<std::size_t>(shown_[row])].id == id)
            return static_cast<int>(row);
    }
    return -1;
}

qint64 PeopleTable::idAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(shown_.size()))
        return 0;
    return rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])].id;
}

int PeopleTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int PeopleTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PeopleTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(shown_.size()))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(index.row())])];
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case NameColumn: return row.name;
    case BornColumn: return bornText(row);
    case CityColumn: return row.city;
    default: return {};
    }
}

QVariant PeopleTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn: return QStringLiteral("Name");
    case BornColumn: return QStringLiteral("Born");
    case CityColumn: return QStringLiteral("City");
    default: return {};
    }
}
