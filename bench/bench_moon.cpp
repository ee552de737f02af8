// The Moon calendar: a month computed, the window opened from the launcher, a month turned.
#include "moon/moon_month.h"
#include "shell/frmMDI.h"
#include "window_benchmarks.h"

#include <QAction>

#include <chrono>

namespace {

QWidget* openCalendar()
{
    Launcher().findChild<QAction*>(QStringLiteral("mnuMoonCalendar"))->trigger();
    QCoreApplication::processEvents();
    QWidget* calendar = Sub_Programs::instance(SubWindow::MoonCalendar);
    calendar->repaint();
    return calendar;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each month of 2024 in turn, in a zone whose clocks change.
void BM_MoonMonth(benchmark::State& state)
{
    const QTimeZone zone("Europe/Berlin");
    int month = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Moon_Month(2024, month++ % 12 + 1, zone));
}
BENCHMARK(BM_MoonMonth)->Unit(benchmark::kMillisecond);

void BM_OpenMoonCalendar(benchmark::State& state)
{
    Launcher();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        openCalendar();
        state.SetIterationTime(secondsSince(start));
        Sub_Programs::closeAll();
        Settle_Program();
    }
}
BENCHMARK(BM_OpenMoonCalendar)->UseManualTime()->Unit(benchmark::kMillisecond);

// Page Down and Page Up in turn, to the month repainted.
void BM_TurnMoonMonth(benchmark::State& state)
{
    Launcher();
    QWidget* calendar = openCalendar();
    calendar->activateWindow();
    if (!QTest::qWaitForWindowActive(calendar))
        qFatal("the calendar never became active");
    Settle_Program();
    bool forward = true;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(calendar, forward ? Qt::Key_PageDown : Qt::Key_PageUp);
        QCoreApplication::processEvents();
        calendar->repaint();
        state.SetIterationTime(secondsSince(start));
        forward = !forward;
    }
    Sub_Programs::closeAll();
    Settle_Program();
}
BENCHMARK(BM_TurnMoonMonth)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    return Run_Window_Benchmarks(argc, argv);
}
