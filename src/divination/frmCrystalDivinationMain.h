#pragma once
#include <QMainWindow>

// Window "Zev Crystal Divination".
class frmCrystalDivinationMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCrystalDivinationMain(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
