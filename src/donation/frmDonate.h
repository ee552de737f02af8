#pragma once
#include <QWidget>

namespace Ui { class frmDonate; }

// Invites the user to support the free program: a few amounts and a button that opens the
// vendor's donation page.
class frmDonate : public QWidget {
    Q_OBJECT
public:
    explicit frmDonate(QWidget* parent = nullptr);
    ~frmDonate() override;

private slots:
    void cmdDonate_Click();
    void cmdExit_Click();

private:
    Ui::frmDonate* ui;
};
