#include "gemology/sign_notes.h"
#include "gemology/time_accuracy.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <array>

namespace {

// Births spread over the year range, the zones and both hemispheres, all with one accuracy.
std::array<BirthData, 64> Sample_Births(TimeAccuracy accuracy)
{
    std::array<BirthData, 64> births{};
    for (std::size_t i = 0; i < births.size(); ++i) {
        BirthData& birth = births[i];
        birth.year = static_cast<std::int16_t>(1901 + (i * 149) / (births.size() - 1));
        birth.month = static_cast<std::int16_t>(1 + i % 12);
        birth.day = static_cast<std::int16_t>(1 + (i * 7) % 28);
        birth.hour = static_cast<std::int16_t>(accuracy == TimeAccuracy::notKnown ? 12 : (i * 5) % 24);
        birth.minute = static_cast<std::int16_t>(accuracy == TimeAccuracy::notKnown ? 0 : (i * 13) % 60);
        birth.zoneIndex = static_cast<std::int16_t>((i * 11) % 71);
        birth.longitudeDegrees = static_cast<std::int16_t>((i * 37) % 180);
        birth.east = i % 2 == 0;
        birth.daylightSaving = i % 3 == 0;
        birth.timeAccuracy = accuracy;
    }
    return births;
}

// Everything the notes add to a reading: the Sun's note, the Moon's position and its note.
void BM_Write_Sign_Notes(benchmark::State& state)
{
    const auto accuracy = static_cast<TimeAccuracy>(state.range(0));
    const std::array<BirthData, 64> births = Sample_Births(accuracy);
    GemologyReading reading;
    reading.sunSign = "Leo";
    std::size_t next = 0;
    for (auto _ : state) {
        const BirthData& birth = births[next];
        Write_Sign_Notes(birth, reading);
        benchmark::DoNotOptimize(reading.moonSignNote);
        next = (next + 1) % births.size();
    }
}
BENCHMARK(BM_Write_Sign_Notes)->ArgName("accuracy")->DenseRange(0, static_cast<int>(Time_Accuracy_Choices.size()) - 1);

}  // namespace

// The notes are computed on the user-interface thread of a program with a window open, which
// changes what floating-point code costs (see astro/avx_copy.h); they are measured so.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
