#pragma once
#include <QDialog>

namespace Ui { class frmAbout; }

// The about box: the program's name, what it is about, and links to the vendor's pages.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

protected:
    // Centred on the window that asks, but never beyond the screen's edge (the docked launcher
    // lies at the bottom of the screen).
    void showEvent(QShowEvent* event) override;

private slots:
    void cmdOK_Click();

private:
    Ui::frmAbout* ui;
};

// Shows the about box modally.
void Show_About_Box(QWidget* parent);
