#include "astro/moon_longitude.h"
#include "astro/moon_periodic_terms.h"
#include "astro/moon_position.h"
#include "astro/position_text.h"
#include "astro/time_scales.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string>

namespace {

// Birth moments spread over the year range, so the timings do not rest on one argument.
std::array<ChartInput, 64> Sample_Moments()
{
    std::array<ChartInput, 64> moments{};
    for (std::size_t i = 0; i < moments.size(); ++i) {
        ChartInput& input = moments[i];
        input.year = static_cast<std::int16_t>(1901 + (i * 149) / (moments.size() - 1));
        input.month = static_cast<std::int16_t>(1 + i % 12);
        input.day = static_cast<std::int16_t>(1 + (i * 7) % 28);
        input.hour = static_cast<std::int16_t>((i * 5) % 24);
        input.minute = static_cast<std::int16_t>((i * 13) % 60);
        input.zoneHours = static_cast<std::int16_t>(i % 13);
        input.longitudeDegrees = static_cast<std::int16_t>((i * 37) % 180);
        input.east = i % 2 == 0;
        input.daylightSaving = i % 3 == 0;
    }
    return moments;
}

double Julian_Centuries_Of(const ChartInput& input)
{
    return Julian_Centuries(Julian_Day_Number(input.month, input.day, input.year), Universal_Time(input));
}

void BM_Moon_Position_Row(benchmark::State& state)
{
    const std::array<ChartInput, 64> moments = Sample_Moments();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Moon_Position_Row(moments[next]));
        next = (next + 1) % moments.size();
    }
}
BENCHMARK(BM_Moon_Position_Row);

// The floor: the 25 sines of the periodic terms on the same arguments, and nothing else.
void BM_Periodic_Sines_Floor(benchmark::State& state)
{
    const std::array<ChartInput, 64> moments = Sample_Moments();
    std::array<std::array<double, Moon_Periodic_Terms.size()>, 64> arguments{};
    for (std::size_t i = 0; i < moments.size(); ++i) {
        const MoonElements e = Moon_Elements(Julian_Centuries_Of(moments[i]));
        for (std::size_t j = 0; j < Moon_Periodic_Terms.size(); ++j) {
            const MoonPeriodicTerm& term = Moon_Periodic_Terms[j];
            arguments[i][j] = term.d * e.elongation + term.m * e.sunAnomaly + term.mPrime * e.moonAnomaly
                              + term.f * e.latitudeArgument;
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        for (const double argument : arguments[next])
            benchmark::DoNotOptimize(std::sin(argument));
        next = (next + 1) % moments.size();
    }
}
BENCHMARK(BM_Periodic_Sines_Floor);

// The steps on their own, to show where the time of a row goes.
void BM_Moon_Longitude(benchmark::State& state)
{
    const std::array<ChartInput, 64> moments = Sample_Moments();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Moon_Longitude(Julian_Centuries_Of(moments[next])));
        next = (next + 1) % moments.size();
    }
}
BENCHMARK(BM_Moon_Longitude);

void BM_Format_Longitude(benchmark::State& state)
{
    const std::array<ChartInput, 64> moments = Sample_Moments();
    std::array<double, 64> longitudes{};
    for (std::size_t i = 0; i < moments.size(); ++i)
        longitudes[i] = Moon_Longitude(Julian_Centuries_Of(moments[i]));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Format_Longitude(longitudes[next]));
        next = (next + 1) % longitudes.size();
    }
}
BENCHMARK(BM_Format_Longitude);

void BM_Position_Row(benchmark::State& state)
{
    const std::array<ChartInput, 64> moments = Sample_Moments();
    std::array<std::string, 64> texts{};
    for (std::size_t i = 0; i < moments.size(); ++i)
        texts[i] = Format_Longitude(Moon_Longitude(Julian_Centuries_Of(moments[i])));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Position_Row(texts[next]));
        next = (next + 1) % texts.size();
    }
}
BENCHMARK(BM_Position_Row);

}  // namespace
