#pragma once
#include <QMainWindow>

// Window "Zev Crystal Healing".
class frmCrystalHealingMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCrystalHealingMain(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
