// Save as PDF in the report window: from the click, the save dialog answered at once, to the
// reading's PDF made and on the disk.
#include "gemology/frmGemologyDisplay.h"
#include "report/frmGemologySave.h"
#include "shell/prompts.h"
#include "reading_entry.h"
#include "window_benchmarks.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>

namespace {

// The save dialog answered with one path every time; nothing else is asked.
class SaveTo : public Prompts {
public:
    explicit SaveTo(QString path) : path(std::move(path)) { Prompts::install(this); }
    ~SaveTo() override { Prompts::install(nullptr); }

    void showMessage(QWidget*, const QString& text, Icon) override { failure = text; }
    bool askYesNo(QWidget*, const QString&) override { return false; }
    Answer askWhich(QWidget*, const QString&, const QString&, const QString&) override { return Answer::None; }
    QString askSavePath(QWidget*, const SaveRequest&) override { return path; }
    QString askOpenPath(QWidget*, const QString&) override { return {}; }
    bool askPrinter(QWidget*, QPrinter&, bool) override { return false; }

    QString path;
    QString failure;
};

void BM_SaveReadingPdf(benchmark::State& state)
{
    QWidget* entry = Sub_Programs::obtain(SubWindow::Entry);
    Fill_Reading_Entry(entry);
    entry->findChild<QAbstractButton*>(QStringLiteral("cmdRashi"))->click();
    QWidget* report = qobject_cast<frmGemologyDisplay*>(Sub_Programs::instance(SubWindow::Display))->makeReport();
    auto* save = report->findChild<QAbstractButton*>(QStringLiteral("cmdSavePdf"));
    QTemporaryDir folder;
    SaveTo prompts(folder.filePath(QStringLiteral("reading.pdf")));
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        save->click();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (!prompts.failure.isEmpty())
        state.SkipWithError(qPrintable(prompts.failure));
    state.counters["bytes"] = static_cast<double>(QFileInfo(prompts.path).size());
    report->close();
    Sub_Programs::closeAll();
}
BENCHMARK(BM_SaveReadingPdf)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    return Run_Window_Benchmarks(argc, argv);
}
