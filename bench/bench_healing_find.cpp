// A keystroke in the healing window's find field to its result list shown.
#include "healing/frmCrystalHealingMain.h"
#include "window_benchmarks.h"

#include <QListWidget>

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
    // The key, and the repaints it asks for: the field and the list, not the whole window.
    Time_Keystrokes(state, field, Typed, [&] {
        if (!found->isVisible())
            state.SkipWithError("the result list is not shown");
    });
}
BENCHMARK(BM_FindKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    return Run_Window_Benchmarks(argc, argv);
}
