#pragma once
#include "report/reading_summary.h"
#include "report/report_runs.h"

#include <QDialog>

#include <functional>

namespace Ui { class frmGemologySave; }

// Window "Zev Gemology": the coloured report of a reading, to save as rich text or as a PDF, or
// to print.
// The display window makes a new one, with its reading, every time the report is asked for;
// web addresses in it are links.
class frmGemologySave : public QDialog {
    Q_OBJECT
public:
    // The report of the given texts.
    explicit frmGemologySave(const ReportTexts& texts, QWidget* parent = nullptr);
    // The report of the given texts, whose PDF also tells the summary's birth details and pictures.
    frmGemologySave(const ReportTexts& texts, const ReadingSummary& summary, QWidget* parent = nullptr);
    ~frmGemologySave() override;

    // Escape, the close box and the launcher all end the window the same way: through its close
    // event, which unhooks the links and ends a modal run.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdSave_Click();
    void cmdSavePdf_Click();
    void cmdPrint_Click();

private:
    void Form_Load();
    // Saves what `content` makes under the chosen name, with ".suffix" added when it has none;
    // a name that is a folder, or a failure, is told in a message and writes nothing.
    void saveAs(const QString& chosen, const QString& suffix, const std::function<QByteArray()>& content);
    void Form_Unload();
    void Build_Report();
    void Hook_RichText_Links();
    void Unhook_RichText_Links();
    // Opens the link under a left-button press on the report; never swallows the press.
    void RichText_Link_Proc(QEvent* event);

    Ui::frmGemologySave* ui;
    const ReportTexts texts;
    const ReadingSummary summary;
    const QList<TextRun> runs;
};
