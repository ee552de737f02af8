#include "people/people_book.h"
#include "people_fixture.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QDateTime Noon = QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);

QByteArray File_Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write_File(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Runs one statement on the file through a connection of the test's own.
QVariant Sql_Value(const QString& path, const QString& statement)
{
    QVariant value;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        database.setDatabaseName(path);
        if (database.open()) {
            QSqlQuery query(database);
            if (query.exec(statement) && query.next())
                value = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
    return value;
}

// A book at that path holding the fixture's first `count` people; closed again.
void Make_Book(const QString& path, int count)
{
    PeopleBook book(path);
    QCOMPARE(book.open(), BookFault::none);
    std::vector<Person> people;
    for (int number = 0; number < count; ++number)
        people.push_back(Fixture_Person(number));
    QCOMPARE(book.addAll(people, Noon), BookFault::none);
}

// ---- the child processes the kill and permission tests run -------------------------------

constexpr int Import_Batch = 200;

// Changes the book at `path` without end, saying on stdout after every change that was
// committed how many people the book holds; the parent kills it at some moment.
int Change_Forever(const QString& path, const QString& kind)
{
    PeopleBook book(path);
    if (book.open() != BookFault::none)
        return 2;
    QTextStream out(stdout);
    for (int round = 0;; ++round) {
        BookFault fault = BookFault::none;
        if (kind == QLatin1String("save")) {
            Person person = Fixture_Person(1000 + round);
            fault = book.save(person, Noon);
        } else if (kind == QLatin1String("edit")) {
            // Every person's city and note are changed together; a torn change would part them.
            Person person = book.people().at(static_cast<std::size_t>(round) % book.people().size());
            person.birth.city = person.note = QStringLiteral("EDIT %1").arg(round);
            fault = book.save(person, Noon);
        } else if (kind == QLatin1String("delete")) {
            const Person first = book.people().front();
            fault = book.remove(first.id);
            if (fault == BookFault::none)
                fault = book.restore(first);
        } else {
            std::vector<Person> batch;
            for (int number = 0; number < Import_Batch; ++number)
                batch.push_back(Fixture_Person(5000 + round * Import_Batch + number));
            fault = book.addAll(batch, Noon);
        }
        if (fault != BookFault::none)
            return 3;
        out << "count " << book.people().size() << Qt::endl;
    }
}

// Opens a write-protected book as a user who may not write it: it must open for reading,
// show its people and refuse a change.
int Open_Write_Protected(const QString& path)
{
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        return 10;
    PeopleBook book(path);
    if (book.open() != BookFault::readOnly)
        return 11;
    if (!book.isOpen() || book.people().size() != 3)
        return 12;
    Person person = Fixture_Person(99);
    if (book.save(person, Noon) != BookFault::readOnly)
        return 13;
    if (book.remove(book.people().front().id) != BookFault::readOnly || book.people().size() != 3)
        return 14;
    return 0;
}

}  // namespace

class TestPeopleBook : public QObject {
    Q_OBJECT

private slots:
    void init();

    void newBookIsMadeWithItsSchema();
    void peopleComeBackWholeAfterReopening();
    void sameNameAndMomentUpdatesThatPerson();
    void notesDeletionsAndUndo();
    void cancelledImportAddsNoOne();
    void newerBookOpensForReadingOnly();
    void fileThatIsNoDatabaseIsLeftAlone_data();
    void fileThatIsNoDatabaseIsLeftAlone();
    void damagedBookIsKeptAsideThenPutBack();
    void bookLockedByAnotherProgramRefusesChange();
    void fullDiskRefusesChangeAndLosesNothing();
    void writeProtectedBookOpensForReading_data();
    void writeProtectedBookOpensForReading();
    void killedChangeLeavesBeforeOrAfter_data();
    void killedChangeLeavesBeforeOrAfter();

private:
    QString bookPath() const { return folder->filePath(QStringLiteral("people.sqlite")); }
    std::unique_ptr<QTemporaryDir> folder;
};

void TestPeopleBook::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void TestPeopleBook::newBookIsMadeWithItsSchema()
{
    const QString path = folder->filePath(QStringLiteral("new/folder/people.sqlite"));
    {
        PeopleBook book(path);
        QCOMPARE(book.open(), BookFault::none);
        QVERIFY(book.people().empty());
    }
    QCOMPARE(Sql_Value(path, QStringLiteral("PRAGMA user_version")).toInt(), 1);
    QCOMPARE(Sql_Value(path, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    // An empty file (another program's placeholder) becomes a book as well.
    Write_File(bookPath(), {});
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::none);
    QCOMPARE(Sql_Value(bookPath(), QStringLiteral("PRAGMA user_version")).toInt(), 1);
}

void TestPeopleBook::peopleComeBackWholeAfterReopening()
{
    QStringList saved;
    {
        PeopleBook book(bookPath());
        QCOMPARE(book.open(), BookFault::none);
        for (int number = 0; number < 12; ++number) {
            Person person = Fixture_Person(number);
            QCOMPARE(book.save(person, Noon.addSecs(number)), BookFault::none);
            QVERIFY(person.id != 0);
            saved.append(Person_Fields(person));
        }
    }
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::none);
    QStringList read;
    for (const Person& person : book.people())
        read.append(Person_Fields(person));
    QCOMPARE(read, saved);
    QCOMPARE(book.people().back().added, Noon.addSecs(11));
}

void TestPeopleBook::sameNameAndMomentUpdatesThatPerson()
{
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::none);
    Person first = Fixture_Person(1);
    QCOMPARE(book.save(first, Noon), BookFault::none);
    Person again = Fixture_Person(1);
    again.birth.name = again.birth.name.toLower();  // the same name, as another window may hold it
    again.birth.city = QStringLiteral("Recife");
    QCOMPARE(book.save(again, Noon.addDays(1)), BookFault::none);
    QCOMPARE(book.people().size(), std::size_t(1));
    QCOMPARE(again.id, first.id);
    QCOMPARE(book.people().front().birth.city, QStringLiteral("Recife"));
    QCOMPARE(book.people().front().added, Noon);
    QCOMPARE(book.people().front().changed, Noon.addDays(1));

    // Another second of birth is another person; an edited person keeps its id.
    Person other = Fixture_Person(1);
    other.birth.second = static_cast<std::int16_t>((other.birth.second + 1) % 60);
    QCOMPARE(book.save(other, Noon), BookFault::none);
    QCOMPARE(book.people().size(), std::size_t(2));
    Person edited = other;
    edited.birth.name = QStringLiteral("RENAMED");
    QCOMPARE(book.save(edited, Noon), BookFault::none);
    QCOMPARE(edited.id, other.id);
    QCOMPARE(book.people().size(), std::size_t(2));
    QVERIFY(book.samePerson(edited.birth));
    QVERIFY(!book.samePerson(other.birth));
}

void TestPeopleBook::notesDeletionsAndUndo()
{
    Make_Book(bookPath(), 3);
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::none);
    const Person second = book.people().at(1);
    QCOMPARE(book.setNote(second.id, QStringLiteral("Loves opals"), Noon.addDays(2)), BookFault::none);
    QCOMPARE(book.remove(second.id), BookFault::none);
    QCOMPARE(book.people().size(), std::size_t(2));
    QVERIFY(!book.person(second.id));
    Person removed = second;
    removed.note = QStringLiteral("Loves opals");
    QCOMPARE(book.restore(removed), BookFault::none);
    book.close();
    QCOMPARE(book.open(), BookFault::none);
    QCOMPARE(book.people().size(), std::size_t(3));
    QCOMPARE(book.people().at(1).id, second.id);  // back in its place
    QCOMPARE(book.people().at(1).note, QStringLiteral("Loves opals"));
}

void TestPeopleBook::cancelledImportAddsNoOne()
{
    Make_Book(bookPath(), 2);
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::none);
    std::vector<Person> people;
    for (int number = 100; number < 1300; ++number)
        people.push_back(Fixture_Person(number));
    QList<qsizetype> told;
    const BookFault fault = book.addAll(people, Noon, [&](qsizetype done, qsizetype total) {
        told.append(done);
        return done < total / 2;
    });
    QCOMPARE(fault, BookFault::none);
    QCOMPARE(told, (QList<qsizetype>{500, 1000}));
    QCOMPARE(book.people().size(), std::size_t(2));
    book.close();
    QCOMPARE(book.open(), BookFault::none);
    QCOMPARE(book.people().size(), std::size_t(2));
}

void TestPeopleBook::newerBookOpensForReadingOnly()
{
    Make_Book(bookPath(), 2);
    Sql_Value(bookPath(), QStringLiteral("PRAGMA user_version=7"));
    const QByteArray before = File_Bytes(bookPath());
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::newer);
    QVERIFY(book.isOpen());
    QCOMPARE(book.people().size(), std::size_t(2));
    Person person = Fixture_Person(50);
    QCOMPARE(book.save(person, Noon), BookFault::newer);
    QCOMPARE(book.people().size(), std::size_t(2));
    book.close();
    QCOMPARE(File_Bytes(bookPath()), before);
    QVERIFY(Book_Fault_Message(BookFault::newer, bookPath()).contains(QStringLiteral("newer version")));
}

void TestPeopleBook::fileThatIsNoDatabaseIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text") << QByteArray("name,year\nASHA,1990\n");
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    QTest::newRow("a database's header, then nothing") << QByteArray("SQLite format 3\0garbage", 23);
}

void TestPeopleBook::fileThatIsNoDatabaseIsLeftAlone()
{
    QFETCH(QByteArray, bytes);
    Write_File(bookPath(), bytes);
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::damaged);
    QVERIFY(!book.isOpen());
    Person person = Fixture_Person(1);
    QVERIFY(book.save(person, Noon) != BookFault::none);
    QCOMPARE(File_Bytes(bookPath()), bytes);
}

void TestPeopleBook::damagedBookIsKeptAsideThenPutBack()
{
    Make_Book(bookPath(), 400);
    QByteArray bytes = File_Bytes(bookPath());
    QVERIFY(bytes.size() > 8 * 4096);
    for (qsizetype at = 2 * 4096; at < 6 * 4096; ++at)
        bytes[at] = static_cast<char>(at * 131);
    Write_File(bookPath(), bytes);

    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::damaged);
    const QString aside = book.keepAside(Noon);
    QCOMPARE(QFileInfo(aside).fileName(), QStringLiteral("people damaged 2026-12-08 120000.sqlite"));
    QCOMPARE(File_Bytes(aside), bytes);
    QVERIFY(!QFileInfo::exists(bookPath()));
    // A second damaged book in the same second does not take the first one's place.
    Write_File(bookPath(), "not a book");
    QVERIFY(book.keepAside(Noon).isEmpty());
    QCOMPARE(File_Bytes(aside), bytes);
    QVERIFY(QFile::remove(bookPath()));

    QVERIFY(book.putBack(aside));
    QCOMPARE(File_Bytes(bookPath()), bytes);
    QVERIFY(!book.keepAside(Noon.addSecs(1)).isEmpty());
    QCOMPARE(book.open(), BookFault::none);  // a new, empty book
    QVERIFY(book.people().empty());
}

void TestPeopleBook::bookLockedByAnotherProgramRefusesChange()
{
    Make_Book(bookPath(), 2);
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::none);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(bookPath());
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        Person person = Fixture_Person(7);
        QCOMPARE(book.save(person, Noon), BookFault::busy);
        QCOMPARE(book.remove(book.people().front().id), BookFault::busy);
        QCOMPARE(book.people().size(), std::size_t(2));
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        QCOMPARE(book.save(person, Noon), BookFault::none);  // free again
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QVERIFY(Book_Fault_Message(BookFault::busy, bookPath()).contains(QStringLiteral("another program")));
}

void TestPeopleBook::fullDiskRefusesChangeAndLosesNothing()
{
    Make_Book(bookPath(), 5);
    PeopleBook book(bookPath());
    QCOMPARE(book.open(), BookFault::none);
    // No file of this process may grow past what the book and its log take now.
    const qint64 largest = std::max(QFileInfo(bookPath()).size(), QFileInfo(bookPath() + "-wal").size());
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = before;
    full.rlim_cur = static_cast<rlim_t>(largest);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    std::vector<Person> many;
    for (int number = 100; number < 2100; ++number)
        many.push_back(Fixture_Person(number));
    const BookFault fault = book.addAll(many, Noon);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(fault == BookFault::full || fault == BookFault::unreadable);
    QVERIFY(!Book_Fault_Message(fault, bookPath()).isEmpty());
    QCOMPARE(book.people().size(), std::size_t(5));
    book.close();
    QCOMPARE(book.open(), BookFault::none);
    QCOMPARE(book.people().size(), std::size_t(5));
    Person person = Fixture_Person(9);
    QCOMPARE(book.save(person, Noon), BookFault::none);  // room again
}

void TestPeopleBook::writeProtectedBookOpensForReading_data()
{
    QTest::addColumn<bool>("folderProtected");
    QTest::newRow("file write-protected") << false;
    QTest::newRow("folder write-protected") << true;
}

void TestPeopleBook::writeProtectedBookOpensForReading()
{
    QFETCH(bool, folderProtected);
    Make_Book(bookPath(), 3);
    const QByteArray before = File_Bytes(bookPath());
    // Read and searched by everyone (the child may run as another user); written by no one there.
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions searchable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    QVERIFY(QFile::setPermissions(bookPath(), folderProtected ? readable | writable : readable));
    QVERIFY(QFile::setPermissions(folder->path(), folderProtected ? searchable : searchable | writable));
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-protected"), bookPath()});
    QVERIFY(child.waitForFinished(30'000));
    QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(bookPath(), QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(File_Bytes(bookPath()), before);
}

void TestPeopleBook::killedChangeLeavesBeforeOrAfter_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"save", "edit", "delete", "import"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestPeopleBook::killedChangeLeavesBeforeOrAfter()
{
    QFETCH(QString, kind);
    constexpr int Start = 10;
    for (int kill = 0; kill < 6; ++kill) {
        QFile::remove(bookPath());
        QFile::remove(bookPath() + "-wal");
        QFile::remove(bookPath() + "-shm");
        Make_Book(bookPath(), Start);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--change-forever"), bookPath(), kind});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(20'000));
        QTest::qSleep(static_cast<int>(QRandomGenerator::global()->bounded(5, 60)));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10'000));
        const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
        const int committed = lines.constLast().split(' ').constLast().toInt();

        PeopleBook book(bookPath());
        QCOMPARE(book.open(), BookFault::none);
        QCOMPARE(Sql_Value(bookPath(), QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        const auto count = static_cast<int>(book.people().size());
        if (kind == QLatin1String("save")) {
            QVERIFY2(count == committed || count == committed + 1, qPrintable(QString::number(count)));
        } else if (kind == QLatin1String("import")) {
            QVERIFY2(count == committed || count == committed + Import_Batch, qPrintable(QString::number(count)));
        } else if (kind == QLatin1String("delete")) {
            QVERIFY2(count == Start || count == Start - 1, qPrintable(QString::number(count)));
        } else {
            QCOMPARE(count, Start);
            for (const Person& person : book.people()) {
                if (person.birth.city.startsWith(QStringLiteral("EDIT")))
                    QCOMPARE(person.note, person.birth.city);
            }
        }
    }
}

int main(int argc, char* argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--change-forever") == 0) {
        QCoreApplication application(argc, argv);
        return Change_Forever(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 3 && qstrcmp(argv[1], "--write-protected") == 0) {
        QCoreApplication application(argc, argv);
        return Open_Write_Protected(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication application(argc, argv);
    TestPeopleBook test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_people_book.moc"
