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
    const QDate date(birth.year, birth.month, birth.day);
    QString born = Date_Text(date);
    if (birth.timeAccuracy != TimeAccuracy::notKnown)
        born += Blank + Clock_Text(QTime(birth.hour, birth.minute));
    const qint64 bornKey = ((((qint64(birth.year) * 13 + birth.month) * 32 + birth.day) * 24 + birth.hour) * 60
                            + birth.minute) * 60 + birth.second;
    const QString searched = birth.name + Blank + birth.city + Blank + birth.state + Blank + birth.country + Blank
                             + person.note;
    return {person.id, birth.name, born, birth.city, bornKey, Fold_Search_Text(searched, Apostrophes::Dropped)};
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
    const bool sameList = changed.name == found->name && changed.born == found->born && changed.city == found->city
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
    findWords_ = words;
    showRows();
}

bool PeopleTable::matches(const Row& row) const
{
    const std::u16string_view folded(row.folded);
    for (const QString& word : findWords_) {
        if (folded.find(std::u16string_view(reinterpret_cast<const char16_t*>(word.utf16()),
                                            static_cast<std::size_t>(word.size())))
            == std::u16string_view::npos)
            return false;
    }
    return true;
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
    if (role == Id_Role)
        return row.id;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case NameColumn: return row.name;
    case BornColumn: return row.born;
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
