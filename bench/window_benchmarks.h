#pragma once
// What the benchmarks that drive windows share: the program started headless, its launcher, and
// typing into a field timed keystroke by keystroke.
#include "gemmarium.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <span>

// Types the words into the field one letter an iteration, clearing it after each word's last
// letter so that what it finds changes every time. An iteration's time runs from the key to the
// events it posted handled and `settle` (the repaints the key asks for, say) done.
template <typename Settle>
void Time_Keystrokes(benchmark::State& state, QLineEdit* field, std::span<const QString> words, Settle settle)
{
    field->setFocus();
    std::size_t word = 0;
    qsizetype letter = 0;
    for (auto _ : state) {
        if (letter == words[word].size()) {
            field->clear();
            QCoreApplication::processEvents();
            word = (word + 1) % words.size();
            letter = 0;
        }
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(field, words[word][letter++].toLatin1());
        QCoreApplication::processEvents();
        settle();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

// Lets the program finish what the last action left, outside the timed stretch: the windows
// closed are deleted and the events posted are handled. Nothing is made ahead: the next action
// makes the window it opens.
inline void Settle_Program()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The launcher, made and shown the first time it is asked for and kept for every benchmark.
inline frmMDI& Launcher()
{
    static frmMDI* window = [] {
        auto* made = new frmMDI;
        made->show();
        if (!QTest::qWaitForWindowExposed(made))
            qFatal("the launcher was never shown");
        Settle_Program();
        return made;
    }();
    return *window;
}

// The program's windows registered on a headless application, then the benchmarks run.
inline int Run_Window_Benchmarks(int argc, char* argv[])
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
