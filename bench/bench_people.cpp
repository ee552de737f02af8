// The book of people with 10,000 people in it: opening it, finding in it, saving to it,
// reading from it and importing into it, and the memory it holds.
#include "gemology/frmGemologyDisplay.h"
#include "people/people_book.h"
#include "people/people_csv.h"
#include "people/people_import.h"
#include "people/people_table.h"
#include "reading_entry.h"
#include "window_benchmarks.h"

#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>
#include <QTableView>

#include <malloc.h>

namespace {

constexpr int Book_Size = 10'000;

// A person of the benchmark's book: names, places and notes of a realistic length, a third
// with a place from the atlas.
Person Bench_Person(int number)
{
    Person person;
    BirthData& birth = person.birth;
    QString name = QStringLiteral("PERSON ");
    for (int rest = number; rest > 0 || name.size() == 7; rest /= 26)
        name.append(QChar(u'A' + rest % 26));
    birth.name = name + QStringLiteral(" OF THE BOOK");
    birth.year = static_cast<std::int16_t>(1901 + number % 150);
    birth.month = static_cast<std::int16_t>(1 + number % 12);
    birth.day = static_cast<std::int16_t>(1 + number % 28);
    birth.hour = static_cast<std::int16_t>(number % 24);
    birth.minute = static_cast<std::int16_t>(number % 60);
    birth.city = QStringLiteral("City %1").arg(number % 700);
    birth.state = QStringLiteral("State %1").arg(number % 50);
    birth.country = QStringLiteral("Country %1").arg(number % 190);
    birth.latitudeDegrees = static_cast<std::int16_t>(number % 90);
    birth.longitudeDegrees = static_cast<std::int16_t>(number % 180);
    if (number % 3 == 1) {
        person.place = PersonPlace{40.4165, -3.70256, "Europe/Madrid"};
        birth.atlasZone = AtlasZone{60, AtlasZone::Row{35, false}, QStringLiteral("CET")};
    }
    person.note = number % 4 == 0 ? QStringLiteral("Asked about the moon stone, wants a reading every birthday.") : QString();
    return person;
}

std::vector<Person> Bench_People(int first, int count)
{
    std::vector<Person> people;
    for (int number = first; number < first + count; ++number)
        people.push_back(Bench_Person(number));
    return people;
}

// Makes a book of 10,000 people at the path, afresh.
void Make_Book(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    PeopleBook book(path);
    if (book.open() != BookFault::none || book.addAll(Bench_People(0, Book_Size), QDateTime::currentDateTimeUtc()) != BookFault::none)
        qFatal("the benchmark's book could not be made");
}

// The shared book of the program's data folder, holding the 10,000 people.
void Fill_Shared_Book()
{
    static const bool made = [] {
        Make_Book(PeopleBook::defaultPath());
        return true;
    }();
    Q_UNUSED(made);
}

QWidget* Open_Book_Window()
{
    Fill_Shared_Book();
    QWidget* window = Sub_Programs::obtain(SubWindow::People);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the book was never shown");
    Settle_Program();
    return window;
}

void BM_BookOpen(benchmark::State& state)
{
    const QString path = QDir::temp().filePath(QStringLiteral("zev-bench-open.sqlite"));
    Make_Book(path);
    for (auto _ : state) {
        auto book = std::make_unique<PeopleBook>(path);
        if (book->open() != BookFault::none || book->people().size() != Book_Size)
            state.SkipWithError("the book did not open whole");
        state.PauseTiming();
        book.reset();  // closing is the program's end, not the opening's
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BookOpen)->Unit(benchmark::kMillisecond)->Iterations(20);

// What the book and its list hold once opened, in the C library's heap.
void BM_BookMemory(benchmark::State& state)
{
    const QString path = QDir::temp().filePath(QStringLiteral("zev-bench-memory.sqlite"));
    Make_Book(path);
    double mebibytes = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = mallinfo2().uordblks;
        {
            PeopleBook book(path);
            book.open();
            PeopleTable table;
            table.setPeople(book.people());
            mebibytes = double(mallinfo2().uordblks - before) / (1024 * 1024);
        }
    }
    state.counters["MiB"] = mebibytes;
}
BENCHMARK(BM_BookMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

const QString Typed[] = {"person", "city 12", "moon", "zz", "country 1"};

void BM_FindPersonKeystroke(benchmark::State& state)
{
    QWidget* window = Open_Book_Window();
    auto* field = window->findChild<QLineEdit*>(QStringLiteral("txtFindPerson"));
    auto* list = window->findChild<QTableView*>(QStringLiteral("lstPeople"));
    Time_Keystrokes(state, field, Typed, [&] {
        if (!list->isVisible())
            state.SkipWithError("the list is not shown");
    });
    window->close();
    Settle_Program();
}
BENCHMARK(BM_FindPersonKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SavePerson(benchmark::State& state)
{
    Fill_Shared_Book();
    QWidget* entry = Sub_Programs::obtain(SubWindow::Entry);
    entry->show();
    Fill_Reading_Entry(entry);
    auto* save = entry->findChild<QAbstractButton*>(QStringLiteral("cmdSavePerson"));
    auto* name = entry->findChild<QLineEdit*>(QStringLiteral("txtName"));
    int saved = 0;
    for (auto _ : state) {
        name->setText(QStringLiteral("SAVED ") + Bench_Person(saved++).birth.name);
        Settle_Program();
        const auto start = std::chrono::steady_clock::now();
        save->click();
        QCoreApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    Sub_Programs::closeAll();
    Settle_Program();
}
BENCHMARK(BM_SavePerson)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ReadFromBook(benchmark::State& state)
{
    QWidget* window = Open_Book_Window();
    auto* read = window->findChild<QAbstractButton*>(QStringLiteral("cmdReadPerson"));
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        read->click();
        QCoreApplication::processEvents();
        QWidget* display = Sub_Programs::instance(SubWindow::Display);
        if (!display || !display->isVisible())
            state.SkipWithError("no reading shown");
        else
            display->repaint();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (display)
            display->close();  // the next reading makes its window as the first did
        Settle_Program();
    }
    Sub_Programs::closeAll();
    Settle_Program();
}
BENCHMARK(BM_ReadFromBook)->UseManualTime()->Unit(benchmark::kMillisecond);

// A file of 10,000 people read, checked against the book and added to it.
void BM_Import(benchmark::State& state)
{
    const QString path = QDir::temp().filePath(QStringLiteral("zev-bench-import.sqlite"));
    const QByteArray file = People_Csv(Bench_People(Book_Size, Book_Size));
    for (auto _ : state) {
        state.PauseTiming();
        Make_Book(path);
        PeopleBook book(path);
        book.open();
        state.ResumeTiming();
        ImportPlan plan = Plan_Import(file, [&](const BirthData& birth) { return book.samePerson(birth); });
        if (plan.toAdd.size() != Book_Size || book.addAll(std::move(plan.toAdd), QDateTime::currentDateTimeUtc()) != BookFault::none)
            state.SkipWithError("the import did not add everyone");
    }
}
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;  // the program's data folder lies in it
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DATA_HOME");
    return Run_Window_Benchmarks(argc, argv);
}
