// A keystroke in the healing window's find field to its result list shown.
#include "gemmarium.h"
#include "healing/frmCrystalHealingMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// Words a user might type, letter by letter; the first letters find the most.
const QString Typed[] = {"insomnia", "depress", "heart", "jasper", "stress", "blood", "a"};

void BM_FindKeystroke(benchmark::State& state)
{
    frmCrystalHealingMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was not shown");
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("txtFind"));
    auto* found = window.findChild<QListWidget*>(QStringLiteral("lstFound"));
    field->setFocus();
    std::size_t word = 0;
    qsizetype letter = 0;
    for (auto _ : state) {
        if (letter == Typed[word].size()) {
            field->clear();
            QCoreApplication::processEvents();
            word = (word + 1) % std::size(Typed);
            letter = 0;
        }
        const auto start = std::chrono::steady_clock::now();
        // The key, and the repaints it asks for: the field and the list, not the whole window.
        QTest::keyClick(field, Typed[word][letter++].toLatin1());
        QCoreApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!found->isVisible())
            state.SkipWithError("the result list is not shown");
    }
}
BENCHMARK(BM_FindKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    Register_Windows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
