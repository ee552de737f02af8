// The birth place finder: a keystroke in the city field to the list of places shown, and the
// atlas's reading and indexing, in total and in the longest stretch the user-interface thread
// spends on it.
#include "birthplace/atlas_reader_process.h"
#include "birthplace/place_atlas.h"
#include "shell/sub_programs.h"
#include "window_benchmarks.h"

#include <QAbstractItemView>
#include <QCompleter>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds_Since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The atlas as the program reads it, with the reader built beside these benchmarks' program.
AtlasReading Read_Built_Atlas()
{
    static const std::atomic<bool> never = false;
    return Read_Atlas_With(QStringLiteral(ZEV_ATLAS_READER), {}, never);
}

// Each keystroke types the next letter of a name and starts again after its last letter, so
// the list changes every time.
void BM_PlaceListKeystroke(benchmark::State& state)
{
    QWidget* entry = Sub_Programs::obtain(SubWindow::Entry);
    entry->show();
    if (!QTest::qWaitForWindowExposed(entry)) {
        state.SkipWithError("the entry window was never shown");
        return;
    }
    PlaceAtlas::shared().startLoading();
    while (!PlaceAtlas::shared().index())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!PlaceAtlas::shared().problem().isEmpty()) {
        state.SkipWithError(qPrintable(PlaceAtlas::shared().problem()));
        return;
    }
    auto* city = entry->findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    QAbstractItemView* list = entry->findChild<QCompleter*>(QStringLiteral("lstPlaces"))->popup();
    const QString names[] = {QStringLiteral("springfield"), QStringLiteral("sao paulo"), QStringLiteral("new york"),
                             QStringLiteral("munchen"), QStringLiteral("wien")};
    // The list drawn as the program draws it: once when its rows changed, not at all when the
    // same places were found again; whatever the events handled left undrawn is drawn here.
    Time_Keystrokes(state, city, names, [&] {
        if (list->isVisible())
            QCoreApplication::sendPostedEvents(list, QEvent::UpdateRequest);
    });
    Sub_Programs::closeAll();
}
BENCHMARK(BM_PlaceListKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

// Reading the atlas with the atlas reader, every name included, and building its index, on the
// thread that does it.
void BM_AtlasIndexBuild(benchmark::State& state)
{
    for (auto _ : state) {
        AtlasReading reading = Read_Built_Atlas();
        if (!reading.problem.isEmpty()) {
            state.SkipWithError(qPrintable(reading.problem));
            return;
        }
        PlaceIndex index(std::move(reading.places));
        benchmark::DoNotOptimize(index.places().data());
    }
}
BENCHMARK(BM_AtlasIndexBuild)->Unit(benchmark::kMillisecond)->Iterations(5);

// Reading the atlas alone, the reader's work and the reading of its answer overlapped, without
// the index.
void BM_AtlasRead(benchmark::State& state)
{
    for (auto _ : state) {
        AtlasReading reading = Read_Built_Atlas();
        if (!reading.problem.isEmpty()) {
            state.SkipWithError(qPrintable(reading.problem));
            return;
        }
        benchmark::DoNotOptimize(reading.places.data());
    }
}
BENCHMARK(BM_AtlasRead)->Unit(benchmark::kMillisecond)->Iterations(5);

// What the index holds in the program's memory once the reading is done: the heap in use with
// the index against the heap in use before the atlas was read.
void BM_AtlasIndexMemory(benchmark::State& state)
{
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        std::optional<PlaceIndex> index;
        {
            AtlasReading reading = Read_Built_Atlas();
            index.emplace(std::move(reading.places));
        }
        state.counters["held_MiB"] = double(mallinfo2().uordblks - before) / (1 << 20);
        benchmark::DoNotOptimize(index->places().data());
    }
}
BENCHMARK(BM_AtlasIndexMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// The longest single stretch of user-interface work from the start of loading to the index in
// use: starting the loader, then each round of event handling until the index arrives.
void BM_AtlasLongestUiSlice(benchmark::State& state)
{
    for (auto _ : state) {
        PlaceAtlas atlas(Read_Built_Atlas);
        auto start = Clock::now();
        atlas.startLoading();
        double longest = Seconds_Since(start);
        while (!atlas.index()) {
            QTest::qSleep(1);
            start = Clock::now();
            QCoreApplication::processEvents();
            longest = std::max(longest, Seconds_Since(start));
        }
        state.SetIterationTime(longest);
    }
}
BENCHMARK(BM_AtlasLongestUiSlice)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char* argv[])
{
    PlaceAtlas::useReaderForShared(Read_Built_Atlas);
    return Run_Window_Benchmarks(argc, argv);
}
