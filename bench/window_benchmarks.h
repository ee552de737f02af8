#pragma once
// What the benchmarks that drive windows share: the program started headless, and typing into
// a field timed keystroke by keystroke.
#include "gemmarium.h"
#include "shell/sub_programs.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

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

// Lets the program do what it does while the user looks at the screen: the windows made ahead
// are made, outside the timed stretch.
inline void Let_Program_Idle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int turn = 0; turn < 2000 && Sub_Programs::idleWorkPending(); ++turn) {
        QEventLoop loop;  // a loop that waits, so that the program finds itself idle
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
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
