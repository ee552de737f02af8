// From a user's action to the window redrawn, for the interactions a user waits on.
#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "report/frmGemologySave.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "reading_entry.h"
#include "window_benchmarks.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <chrono>

namespace {

template <typename T>
T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

// Runs an action, lets Qt deliver what it posted (a new window's exposure included), and
// repaints the window; the seconds taken. Kept out of line so that a profiler can count the
// instructions of exactly this stretch (callgrind --toggle-collect='*timed*').
template <typename Action>
[[gnu::noinline]] double timed(QWidget* window, Action action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    QCoreApplication::processEvents();
    if (window && window->isVisible())
        window->repaint();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

QWidget* openFromLauncher(int button)
{
    child<QAbstractButton>(&Launcher(), qPrintable(QStringLiteral("cmdSelectOption_%1").arg(button)))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Sub_Programs::instance(button == 0   ? SubWindow::Divination
                                  : button == 1 ? SubWindow::Healing
                                                : SubWindow::Entry);
}

void BM_OpenSubProgram(benchmark::State& state)
{
    const int button = int(state.range(0));
    Launcher();
    for (auto _ : state) {
        state.SetIterationTime(timed(nullptr, [&] {
            QWidget* window = openFromLauncher(button);
            QCoreApplication::processEvents();
            window->repaint();
        }));
        Settle_Program();
    }
    Sub_Programs::closeAll();
}
BENCHMARK(BM_OpenSubProgram)->ArgName("button")->Arg(1)->Arg(0)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FullReading(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget* entry = openFromLauncher(2);
        Fill_Reading_Entry(entry);
        auto* get = child<QAbstractButton>(entry, "cmdRashi");
        Settle_Program();
        state.SetIterationTime(timed(nullptr, [&] {
            get->click();
            QCoreApplication::processEvents();
            Sub_Programs::instance(SubWindow::Display)->repaint();
        }));
    }
    Sub_Programs::closeAll();
}
BENCHMARK(BM_FullReading)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_OpenReportWindow(benchmark::State& state)
{
    QWidget* entry = openFromLauncher(2);
    Fill_Reading_Entry(entry);
    child<QAbstractButton>(entry, "cmdRashi")->click();
    for (auto _ : state) {
        QWidget* report = nullptr;
        state.SetIterationTime(timed(nullptr, [&] {
            // As Print opens it: modal, a window of its own.
            report = qobject_cast<frmGemologyDisplay*>(Sub_Programs::instance(SubWindow::Display))->makeReport();
            report->setWindowModality(Qt::ApplicationModal);
            report->show();
            QCoreApplication::processEvents();
            report->repaint();
        }));
        report->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Sub_Programs::closeAll();
}
BENCHMARK(BM_OpenReportWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

QWidget* showReading()
{
    QWidget* entry = openFromLauncher(2);
    Fill_Reading_Entry(entry);
    child<QAbstractButton>(entry, "cmdRashi")->click();
    QWidget* display = Sub_Programs::instance(SubWindow::Display);
    QCoreApplication::processEvents();
    return display;
}

// Back from a reading to the entry window, which shows again as it was.
void BM_BackFromDisplay(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget* display = showReading();
        auto* back = child<QAbstractButton>(display, "cmdBqck");
        Settle_Program();
        state.SetIterationTime(timed(nullptr, [&] {
            back->click();
            QCoreApplication::processEvents();
            Sub_Programs::instance(SubWindow::Entry)->repaint();
        }));
    }
    Sub_Programs::closeAll();
}
BENCHMARK(BM_BackFromDisplay)->UseManualTime()->Unit(benchmark::kMillisecond);

// Turns the display's tabs in turn, each tab's first showing included once per reading.
void BM_SwitchDisplayTab(benchmark::State& state)
{
    QWidget* display = nullptr;
    QTabWidget* tabs = nullptr;
    int next = 0;
    for (auto _ : state) {
        if (next % 3 == 0) {
            state.PauseTiming();
            Sub_Programs::closeAll();
            display = showReading();
            tabs = child<QTabWidget>(display, "SSTab1");
            state.ResumeTiming();
        }
        state.SetIterationTime(timed(display, [&] { tabs->setCurrentIndex(++next % 3); }));
    }
    Sub_Programs::closeAll();
}
BENCHMARK(BM_SwitchDisplayTab)->UseManualTime()->Unit(benchmark::kMillisecond);

// Picks the stones of a healing panel in turn: the option's selector, or its result list.
void BM_PickHealingStone(benchmark::State& state)
{
    const int option = int(state.range(0));
    QWidget* healing = openFromLauncher(1);
    child<QRadioButton>(healing, qPrintable(QStringLiteral("optSearch_%1").arg(option)))->setChecked(true);
    child<QAbstractButton>(healing, "cmdNext")->click();
    static const char* const selectors[] = {"cboStone", "cboDiseases", "cboIllness", "cboOrgans"};
    static const char* const lists[] = {nullptr, "lstStone_Disease", "lstStone_Illness", "lstStone_Organ"};
    auto* selector = child<QComboBox>(healing, selectors[option]);
    // Entries with several stones, so there is a choice to make in the list: "Blood Circulation",
    // "Emotional Balance", "Heart".
    static const int entries[] = {0, 27, 1, 14};
    selector->setCurrentIndex(entries[option]);
    auto* list = lists[option] ? child<QListWidget>(healing, lists[option]) : nullptr;
    int next = 0;
    for (auto _ : state) {
        state.SetIterationTime(timed(healing, [&] {
            if (list)
                list->setCurrentRow(next++ % list->count());
            else
                selector->setCurrentIndex(next++ % selector->count());
        }));
    }
    Sub_Programs::closeAll();
}
BENCHMARK(BM_PickHealingStone)->ArgName("panel")->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DivinationDraw(benchmark::State& state)
{
    QWidget* divination = openFromLauncher(0);
    auto* picture = child<QWidget>(divination, "picCrystal");
    auto* refresh = child<QAbstractButton>(divination, "cmdRefresh");
    for (auto _ : state) {
        state.SetIterationTime(timed(divination, [&] { QTest::mouseClick(picture, Qt::LeftButton); }));
        refresh->click();
    }
    Sub_Programs::closeAll();
}
BENCHMARK(BM_DivinationDraw)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    return Run_Window_Benchmarks(argc, argv);
}
