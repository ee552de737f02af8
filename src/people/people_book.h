#pragma once
#include "people/book_fault.h"
#include "people/person.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

// The book of people: one SQLite file, read whole when opened and kept in memory; every change
// is one transaction, written to the file before the call returns. The file carries its schema
// version (PRAGMA user_version) and keeps a write-ahead log, so a program killed in the middle
// of a change leaves the book as it was before or after it.
class PeopleBook {
public:
    explicit PeopleBook(QString path);
    ~PeopleBook();
    PeopleBook(const PeopleBook&) = delete;
    PeopleBook& operator=(const PeopleBook&) = delete;

    const QString& path() const { return path_; }

    // Opens the file, making it and its folder when there are none, and reads every person.
    // readOnly and newer: opened for reading only. damaged: not opened, the file untouched.
    BookFault open();
    bool isOpen() const { return open_; }
    // Closes the file; open() reads it again.
    void close();
    // Why no change can be saved (readOnly, newer), or none.
    BookFault writeFault() const { return writeFault_; }

    // Moves a damaged file, with its log, aside under a name that carries the moment
    // ("people damaged 2026-12-08 164500.sqlite"); that path, or empty when it could not be moved.
    QString keepAside(const QDateTime& now);
    // Moves a file kept aside back to the book's place, when the user wants no new book.
    bool putBack(const QString& aside);

    // Everyone in the book, in the order they were added.
    const std::vector<Person>& people() const { return people_; }
    const Person* person(qint64 id) const;
    // The person with that name and birth moment, or null.
    const Person* samePerson(const BirthData& birth) const;

    // Saves a person: updates the one with the same name and birth moment, or else the one with
    // the person's id, or else adds the person. `person` gets its id and times.
    BookFault save(Person& person, const QDateTime& now);
    BookFault setNote(qint64 id, const QString& note, const QDateTime& now);
    BookFault remove(qint64 id);
    // Puts back a person removed before, with its id and times.
    BookFault restore(const Person& person);

    // Adds people in one transaction. `progress` is told how many are done after each part and
    // may answer false to cancel: then nothing is added. Returns the fault, none when cancelled.
    using Progress = std::function<bool(qsizetype done, qsizetype total)>;
    BookFault addAll(std::vector<Person> people, const QDateTime& now, const Progress& progress = {});

    // The book of the user's data folder, made when first asked for and not yet opened.
    static PeopleBook& shared();
    static QString defaultPath();

private:
    BookFault openConnection(bool readOnly, bool unchanging);
    BookFault prepareSchema();
    BookFault readPeople();
    BookFault write(const std::function<bool()>& change);
    qint64 insert(const Person& person, bool withId);
    bool update(const Person& person);
    void index();
    void forget(const Person& person);
    void remember(const Person& person, qsizetype at);

    QString path_;
    QString connection_;
    bool open_ = false;
    bool connected_ = false;  // the connection is made (and must be removed)
    BookFault writeFault_ = BookFault::none;
    BookFault lastFault_ = BookFault::none;
    std::vector<Person> people_;
    QMultiHash<qint64, qint64> byMoment_;  // the ids of the people born at a moment
    QHash<qint64, qsizetype> byId_;        // where each id stands in people_
};
