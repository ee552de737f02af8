#pragma once
#include "gemology/birth_check.h"

#include <QMainWindow>

namespace Ui { class frmGemologyMain; }
class QLineEdit;

// Window "Zev Gemology": the birth details of one person. "Get My Gemology Report" checks them,
// makes the reading, closes this window and shows the reading in the display window.
class frmGemologyMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmGemologyMain(QWidget* parent = nullptr);
    ~frmGemologyMain() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdRashi_Click();
    void mnuNext_Click();
    void mnuExit_Click();
    void cmdBrowser_Click();

private:
    void Form_Load();
    void Form_Unload();

    // The keystroke filters get the characters a key would type and give back what may reach
    // the field: the same, a replacement, or nothing.
    QString txtName_KeyPress(const QString& typed);
    QString txtLatD_KeyPress(const QString& typed);
    QString txtLatM_KeyPress(const QString& typed);
    QString txtLonD_KeyPress(const QString& typed);
    QString txtLonM_KeyPress(const QString& typed);
    QString numberKeyPress(const QString& typed);
    // The number fields' message, for a typed character that is no digit and for pasted text
    // that does not fit the field.
    void showOnlyNumbersMessage();

    bool Check_Birth_Data();
    BirthEntry birthEntry() const;
    void showProblem(const EntryProblem& problem);
    QLineEdit* fieldOf(EntryField field) const;

    Ui::frmGemologyMain* ui;
};
