#pragma once
#include <QDialog>

namespace Ui { class frmAbout; }

// The about box: the program's name, what it is about, and links to the vendor's pages.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

private slots:
    void cmdOK_Click();

private:
    Ui::frmAbout* ui;
};

// Shows the about box modally.
void Show_About_Box(QWidget* parent);
