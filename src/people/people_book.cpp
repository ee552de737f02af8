#include "people/people_book.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSet>
#include <QStandardPaths>
#include <QTimeZone>
#include <QUrl>
#include <QVariant>

#include <sqlite3.h>

#include <atomic>

namespace {

constexpr int Schema_Version = 1;

// The steps that bring a book of one version to the next, from an empty file on.
constexpr const char* Schema_Steps[Schema_Version][1] = {
    {"CREATE TABLE person ("
     " id INTEGER PRIMARY KEY,"
     " person_key TEXT NOT NULL UNIQUE,"
     " name TEXT NOT NULL, year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,"
     " hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,"
     " time_accuracy INTEGER NOT NULL,"
     " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
     " latitude_degrees INTEGER NOT NULL, latitude_minutes INTEGER NOT NULL, south INTEGER NOT NULL,"
     " longitude_degrees INTEGER NOT NULL, longitude_minutes INTEGER NOT NULL, east INTEGER NOT NULL,"
     " zone_row INTEGER NOT NULL, daylight_saving INTEGER NOT NULL,"
     " place_latitude REAL, place_longitude REAL, place_zone TEXT,"  // NULL: a place typed by hand
     " zone_by_hand INTEGER NOT NULL,"
     " reading_offset INTEGER, reading_row INTEGER, reading_row_dst INTEGER,"  // NULL offset: no atlas zone
     " reading_zone_name TEXT,"
     " note TEXT NOT NULL, added INTEGER NOT NULL, changed INTEGER NOT NULL)"},
};

// The person's columns after the id, in the order of the statements below.
const QString Person_Columns = QStringLiteral(
    "person_key, name, year, month, day, hour, minute, second, time_accuracy, city, state, country,"
    " latitude_degrees, latitude_minutes, south, longitude_degrees, longitude_minutes, east,"
    " zone_row, daylight_saving, place_latitude, place_longitude, place_zone, zone_by_hand,"
    " reading_offset, reading_row, reading_row_dst, reading_zone_name, note, added, changed");
constexpr int Person_Column_Count = 31;

// The result codes of SQLite (the low byte of an extended code).
enum SqliteCode { Perm = 3, Busy = 5, Locked = 6, ReadOnly = 8, IoErr = 10, Corrupt = 11, Full = 13,
                  CantOpen = 14, NotADb = 26 };

BookFault Fault_Of_Code(int code)
{
    switch (code & 0xff) {
    case Busy:
    case Locked: return BookFault::busy;
    case Full: return BookFault::full;
    case ReadOnly:
    case Perm: return BookFault::readOnly;
    case Corrupt:
    case NotADb: return BookFault::damaged;
    default: return BookFault::unreadable;
    }
}

BookFault Fault_Of(const QSqlError& error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    return number ? Fault_Of_Code(code) : BookFault::unreadable;
}

qint64 Milliseconds(const QDateTime& moment)
{
    return moment.toMSecsSinceEpoch();
}

// A text as a column that takes no NULL: an empty text, never a null one.
QVariant Text(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

void Bind_Person(QSqlQuery& query, const Person& person)
{
    const BirthData& birth = person.birth;
    const QVariant none;
    const QVariantList values{
        Person_Key(birth), Text(birth.name), birth.year, birth.month, birth.day, birth.hour, birth.minute,
        birth.second, static_cast<int>(birth.timeAccuracy), Text(birth.city), Text(birth.state), Text(birth.country),
        birth.latitudeDegrees, birth.latitudeMinutes, birth.south, birth.longitudeDegrees,
        birth.longitudeMinutes, birth.east, birth.zoneIndex, birth.daylightSaving,
        person.place ? QVariant(person.place->latitude) : none,
        person.place ? QVariant(person.place->longitude) : none,
        person.place ? QVariant(QString::fromUtf8(person.place->zoneId)) : none, person.zoneByHand,
        birth.atlasZone ? QVariant(birth.atlasZone->offsetMinutes) : none,
        birth.atlasZone && birth.atlasZone->row ? QVariant(birth.atlasZone->row->position) : none,
        birth.atlasZone && birth.atlasZone->row ? QVariant(birth.atlasZone->row->daylightSaving) : none,
        birth.atlasZone ? Text(birth.atlasZone->name) : none, Text(person.note), Milliseconds(person.added),
        Milliseconds(person.changed)};
    for (const QVariant& value : values)
        query.addBindValue(value);
}

// One copy of each text many people share (a city, a country, a zone's name), as read.
class SharedTexts {
public:
    QString operator()(const QString& text)
    {
        const auto found = texts.constFind(text);
        if (found != texts.cend())
            return *found;
        texts.insert(text);
        return text;
    }

private:
    QSet<QString> texts;
};

// The columns of one row of the person table, read straight from SQLite's statement: the book
// is read whole when it opens, and the driver's per-value conversions would take most of the time.
class ColumnReader {
public:
    explicit ColumnReader(sqlite3_stmt* row) : row(row) {}

    bool isNull() const { return sqlite3_column_type(row, column) == SQLITE_NULL; }
    qint64 number() { return sqlite3_column_int64(row, column++); }
    std::int16_t shortNumber() { return static_cast<std::int16_t>(number()); }
    bool flag() { return number() != 0; }
    double real() { return sqlite3_column_double(row, column++); }
    QString text()
    {
        const auto* characters = static_cast<const QChar*>(sqlite3_column_text16(row, column));
        const int bytes = sqlite3_column_bytes16(row, column++);
        return characters ? QString(characters, bytes / 2) : QString();
    }
    void skip() { ++column; }

private:
    sqlite3_stmt* row;
    int column = 0;
};

Person Read_Person(ColumnReader& next, SharedTexts& shared)
{
    Person person;
    person.id = next.number();
    next.skip();  // the key, made from the fields
    BirthData& birth = person.birth;
    birth.name = next.text();
    birth.year = next.shortNumber();
    birth.month = next.shortNumber();
    birth.day = next.shortNumber();
    birth.hour = next.shortNumber();
    birth.minute = next.shortNumber();
    birth.second = next.shortNumber();
    birth.timeAccuracy = Time_Accuracy_At(static_cast<int>(next.number()));
    birth.city = shared(next.text());
    birth.state = shared(next.text());
    birth.country = shared(next.text());
    birth.latitudeDegrees = next.shortNumber();
    birth.latitudeMinutes = next.shortNumber();
    birth.south = next.flag();
    birth.longitudeDegrees = next.shortNumber();
    birth.longitudeMinutes = next.shortNumber();
    birth.east = next.flag();
    birth.zoneIndex = next.shortNumber();
    birth.daylightSaving = next.flag();
    if (next.isNull()) {  // no place from the atlas
        next.skip();
        next.skip();
        next.skip();
    } else {
        const double latitude = next.real();
        const double longitude = next.real();
        person.place = PersonPlace{latitude, longitude, shared(next.text()).toUtf8()};
    }
    person.zoneByHand = next.flag();
    if (next.isNull()) {  // no zone from the atlas
        for (int column = 0; column < 4; ++column)
            next.skip();
    } else {
        AtlasZone zone;
        zone.offsetMinutes = static_cast<int>(next.number());
        if (next.isNull()) {
            next.skip();
            next.skip();
        } else {
            const int position = static_cast<int>(next.number());
            zone.row = AtlasZone::Row{position, next.flag()};
        }
        zone.name = shared(next.text());
        birth.atlasZone = zone;
    }
    person.note = next.text();
    person.added = QDateTime::fromMSecsSinceEpoch(next.number(), Qt::UTC);
    person.changed = QDateTime::fromMSecsSinceEpoch(next.number(), Qt::UTC);
    return person;
}

// Whether the file starts as an SQLite database does; an empty or missing file is a new book.
bool Looks_Like_Database(const QString& path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return true;  // the open itself tells why
    return file.read(16) == QByteArray("SQLite format 3", 16);
}

bool Writable(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists())
        return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
    return QFileInfo(file.absolutePath()).isWritable();
}

// The birth moment as entered, as one number.
qint64 Moment_Key(const BirthData& birth)
{
    return ((((qint64(birth.year) * 13 + birth.month) * 32 + birth.day) * 24 + birth.hour) * 60 + birth.minute) * 60
           + birth.second;
}

bool Same_Name(const QString& one, const QString& other)
{
    return one.trimmed().compare(other.trimmed(), Qt::CaseInsensitive) == 0;
}

const QStringList Log_Suffixes{QStringLiteral("-wal"), QStringLiteral("-shm")};

}  // namespace

PeopleBook::PeopleBook(QString path) : path_(std::move(path))
{
    static std::atomic<int> made{0};
    connection_ = QStringLiteral("people-book-%1").arg(++made);
}

PeopleBook::~PeopleBook()
{
    close();
}

void PeopleBook::close()
{
    open_ = false;
    if (!connected_)
        return;
    connected_ = false;
    {
        QSqlDatabase database = QSqlDatabase::database(connection_, false);
        if (database.isOpen())
            database.close();
    }
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

BookFault PeopleBook::openConnection(bool readOnly, bool unchanging)
{
    close();
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    connected_ = true;
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000");
    if (unchanging) {
        // A write-protected folder leaves no room for the log's shared index: the file is read
        // as it is, as no one may change it there.
        QUrl address = QUrl::fromLocalFile(path_);
        address.setQuery(QStringLiteral("immutable=1"));
        database.setDatabaseName(address.toString());
        options += QStringLiteral(";QSQLITE_OPEN_URI");
    } else {
        database.setDatabaseName(path_);
    }
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    database.setConnectOptions(options);
    if (!database.open())
        return Fault_Of(database.lastError());
    return BookFault::none;
}

BookFault PeopleBook::open()
{
    people_.clear();
    byMoment_.clear();
    byId_.clear();
    writeFault_ = BookFault::none;
    if (!Looks_Like_Database(path_))
        return BookFault::damaged;
    const bool exists = QFileInfo::exists(path_);
    if (!exists && !QDir().mkpath(QFileInfo(path_).absolutePath()))
        return BookFault::readOnly;
    const bool readOnly = !Writable(path_);
    if (readOnly && !exists)
        return BookFault::readOnly;
    BookFault fault = BookFault::none;
    for (const bool unchanging : {false, true}) {
        if (unchanging && !readOnly)
            break;
        writeFault_ = readOnly ? BookFault::readOnly : BookFault::none;
        people_.clear();
        fault = openConnection(readOnly, unchanging);
        if (fault == BookFault::none)
            fault = prepareSchema();
        if (fault == BookFault::none || fault == BookFault::newer) {
            const BookFault read = readPeople();
            fault = read == BookFault::none ? fault : read;
        }
        if (fault == BookFault::none || fault == BookFault::newer)
            break;
    }
    if (fault != BookFault::none && fault != BookFault::newer) {
        close();
        return fault;
    }
    open_ = true;
    return writeFault_ != BookFault::none ? writeFault_ : fault;
}

BookFault PeopleBook::prepareSchema()
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return Fault_Of(query.lastError());
    if (query.value(0).toString() != QStringLiteral("ok"))
        return BookFault::damaged;
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return Fault_Of(query.lastError());
    const int version = query.value(0).toInt();
    query.finish();
    if (version > Schema_Version) {
        writeFault_ = BookFault::newer;
        return BookFault::newer;
    }
    if (writeFault_ != BookFault::none)
        return version == Schema_Version ? BookFault::none : BookFault::readOnly;
    // Durable on commit; a killed program leaves the log, which the next opening reads.
    for (const char* setting : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"}) {
        if (!query.exec(QString::fromLatin1(setting)))
            return Fault_Of(query.lastError());
    }
    query.finish();
    if (version == Schema_Version)
        return BookFault::none;
    return write([&] {
        for (int step = version; step < Schema_Version; ++step) {
            for (const char* statement : Schema_Steps[step]) {
                if (!query.exec(QString::fromLatin1(statement)))
                    return false;
            }
        }
        return query.exec(QStringLiteral("PRAGMA user_version=%1").arg(Schema_Version));
    });
}

BookFault PeopleBook::readPeople()
{
    const QVariant handle = QSqlDatabase::database(connection_, false).driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return BookFault::unreadable;
    sqlite3* database = *static_cast<sqlite3* const*>(handle.data());
    const QByteArray select = QStringLiteral("SELECT id, %1 FROM person ORDER BY id").arg(Person_Columns).toUtf8();
    sqlite3_stmt* rows = nullptr;
    int code = sqlite3_prepare_v2(database, select.constData(), -1, &rows, nullptr);
    if (code != SQLITE_OK)
        return Fault_Of_Code(code);
    SharedTexts shared;
    while ((code = sqlite3_step(rows)) == SQLITE_ROW) {
        ColumnReader columns(rows);
        people_.push_back(Read_Person(columns, shared));
    }
    sqlite3_finalize(rows);
    if (code != SQLITE_DONE)
        return Fault_Of_Code(code);
    people_.shrink_to_fit();
    index();
    return BookFault::none;
}

void PeopleBook::index()
{
    byMoment_.clear();
    byId_.clear();
    byMoment_.reserve(static_cast<qsizetype>(people_.size()));
    byId_.reserve(static_cast<qsizetype>(people_.size()));
    for (std::size_t at = 0; at < people_.size(); ++at)
        remember(people_[at], static_cast<qsizetype>(at));
}

void PeopleBook::remember(const Person& person, qsizetype at)
{
    byMoment_.insert(Moment_Key(person.birth), person.id);
    byId_.insert(person.id, at);
}

void PeopleBook::forget(const Person& person)
{
    byMoment_.remove(Moment_Key(person.birth), person.id);
    byId_.remove(person.id);
}

BookFault PeopleBook::write(const std::function<bool()>& change)
{
    if (writeFault_ != BookFault::none)
        return writeFault_;
    QSqlDatabase database = QSqlDatabase::database(connection_, false);
    if (!database.isOpen())
        return BookFault::unreadable;
    QSqlQuery begin(database);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Fault_Of(begin.lastError());
    lastFault_ = BookFault::none;
    if (!change()) {
        QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
        return lastFault_ == BookFault::none ? BookFault::unreadable : lastFault_;
    }
    QSqlQuery commit(database);
    if (!commit.exec(QStringLiteral("COMMIT"))) {
        const BookFault fault = Fault_Of(commit.lastError());
        QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
        return fault;
    }
    return BookFault::none;
}

const Person* PeopleBook::person(qint64 id) const
{
    const auto found = byId_.constFind(id);
    return found == byId_.cend() ? nullptr : &people_[static_cast<std::size_t>(*found)];
}

const Person* PeopleBook::samePerson(const BirthData& birth) const
{
    for (auto found = byMoment_.constFind(Moment_Key(birth)); found != byMoment_.cend() && found.key() == Moment_Key(birth);
         ++found) {
        const Person* same = person(found.value());
        if (same && Same_Name(same->birth.name, birth.name))
            return same;
    }
    return nullptr;
}

qint64 PeopleBook::insert(const Person& person, bool withId)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    const QString marks = QStringLiteral("?,").repeated(Person_Column_Count + (withId ? 1 : 0)).chopped(1);
    query.prepare(QStringLiteral("INSERT INTO person (%1%2) VALUES (%3)")
                      .arg(withId ? QStringLiteral("id, ") : QString(), Person_Columns, marks));
    if (withId)
        query.addBindValue(person.id);
    Bind_Person(query, person);
    if (!query.exec()) {
        lastFault_ = Fault_Of(query.lastError());
        return 0;
    }
    return query.lastInsertId().toLongLong();
}

bool PeopleBook::update(const Person& person)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    QString assignments = Person_Columns;
    assignments.replace(QStringLiteral(","), QStringLiteral(" = ?,")).append(QStringLiteral(" = ?"));
    query.prepare(QStringLiteral("UPDATE person SET %1 WHERE id = ?").arg(assignments));
    Bind_Person(query, person);
    query.addBindValue(person.id);
    if (!query.exec()) {
        lastFault_ = Fault_Of(query.lastError());
        return false;
    }
    return true;
}

BookFault PeopleBook::save(Person& person, const QDateTime& now)
{
    const Person* existing = samePerson(person.birth);
    if (!existing && person.id != 0)
        existing = this->person(person.id);
    Person saved = person;
    saved.changed = now;
    if (existing) {
        saved.id = existing->id;
        saved.added = existing->added;
        if (saved.note.isEmpty())
            saved.note = existing->note;
    } else {
        saved.id = 0;
        saved.added = now;
    }
    qint64 id = saved.id;
    const BookFault fault = write([&] {
        if (existing)
            return update(saved);
        id = insert(saved, false);
        return id != 0;
    });
    if (fault != BookFault::none)
        return fault;
    saved.id = id;
    if (existing) {
        const qsizetype at = byId_.value(id);
        forget(*existing);
        people_[static_cast<std::size_t>(at)] = saved;
        remember(saved, at);
    } else {
        remember(saved, static_cast<qsizetype>(people_.size()));
        people_.push_back(saved);
    }
    person = saved;
    return BookFault::none;
}

BookFault PeopleBook::setNote(qint64 id, const QString& note, const QDateTime& now)
{
    if (!person(id))
        return BookFault::none;
    const BookFault fault = write([&] {
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.prepare(QStringLiteral("UPDATE person SET note = ?, changed = ? WHERE id = ?"));
        query.addBindValue(note);
        query.addBindValue(Milliseconds(now));
        query.addBindValue(id);
        if (query.exec())
            return true;
        lastFault_ = Fault_Of(query.lastError());
        return false;
    });
    if (fault == BookFault::none) {
        Person& changed = people_[static_cast<std::size_t>(byId_.value(id))];
        changed.note = note;
        changed.changed = now;
    }
    return fault;
}

BookFault PeopleBook::remove(qint64 id)
{
    if (!person(id))
        return BookFault::none;
    const BookFault fault = write([&] {
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.prepare(QStringLiteral("DELETE FROM person WHERE id = ?"));
        query.addBindValue(id);
        if (query.exec())
            return true;
        lastFault_ = Fault_Of(query.lastError());
        return false;
    });
    if (fault == BookFault::none) {
        people_.erase(people_.begin() + byId_.value(id));
        index();
    }
    return fault;
}

BookFault PeopleBook::restore(const Person& person)
{
    if (this->person(person.id) || samePerson(person.birth))
        return BookFault::none;  // back already, or saved again since
    const BookFault fault = write([&] { return insert(person, true) != 0; });
    if (fault == BookFault::none) {
        const auto at = std::lower_bound(people_.begin(), people_.end(), person.id,
                                         [](const Person& one, qint64 id) { return one.id < id; });
        people_.insert(at, person);
        index();
    }
    return fault;
}

BookFault PeopleBook::addAll(std::vector<Person> people, const QDateTime& now, const Progress& progress)
{
    constexpr qsizetype Part = 500;
    const auto total = static_cast<qsizetype>(people.size());
    bool cancelled = false;
    const BookFault fault = write([&] {
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.prepare(QStringLiteral("INSERT INTO person (%1) VALUES (%2)")
                          .arg(Person_Columns, QStringLiteral("?,").repeated(Person_Column_Count).chopped(1)));
        for (qsizetype at = 0; at < total; ++at) {
            Person& person = people[static_cast<std::size_t>(at)];
            person.added = person.added.isValid() ? person.added : now;
            person.changed = person.changed.isValid() ? person.changed : now;
            Bind_Person(query, person);
            if (!query.exec()) {
                lastFault_ = Fault_Of(query.lastError());
                return false;
            }
            person.id = query.lastInsertId().toLongLong();
            if (progress && ((at + 1) % Part == 0 || at + 1 == total) && !progress(at + 1, total)) {
                cancelled = true;
                lastFault_ = BookFault::none;
                return false;
            }
        }
        return true;
    });
    if (cancelled)
        return BookFault::none;
    if (fault != BookFault::none)
        return fault;
    people_.insert(people_.end(), std::make_move_iterator(people.begin()), std::make_move_iterator(people.end()));
    index();
    return BookFault::none;
}

QString PeopleBook::keepAside(const QDateTime& now)
{
    close();
    const QFileInfo book(path_);
    const QString aside = book.absolutePath() + QStringLiteral("/%1 damaged %2.sqlite")
                                                    .arg(book.completeBaseName(), now.toString(QStringLiteral("yyyy-MM-dd HHmmss")));
    if (QFileInfo::exists(aside) || !QFile::rename(path_, aside))
        return {};
    for (const QString& suffix : Log_Suffixes) {
        if (QFileInfo::exists(path_ + suffix))
            QFile::rename(path_ + suffix, aside + suffix);
    }
    return aside;
}

bool PeopleBook::putBack(const QString& aside)
{
    close();
    if (QFileInfo::exists(path_) || !QFile::rename(aside, path_))
        return false;
    for (const QString& suffix : Log_Suffixes) {
        if (QFileInfo::exists(aside + suffix))
            QFile::rename(aside + suffix, path_ + suffix);
    }
    return true;
}

QString PeopleBook::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/people.sqlite");
}

PeopleBook& PeopleBook::shared()
{
    static PeopleBook book(defaultPath());
    static const bool closedAtExit = [] {
        qAddPostRoutine([] { shared().close(); });  // while the database driver is still there
        return true;
    }();
    Q_UNUSED(closedAtExit);
    return book;
}
