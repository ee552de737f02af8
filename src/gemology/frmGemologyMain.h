#pragma once
#include <QMainWindow>

// Window "Zev Gemology".
class frmGemologyMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmGemologyMain(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
