#pragma once
#include <QMainWindow>

// Window "Zev Gemology".
class frmGemologyDisplay : public QMainWindow {
    Q_OBJECT
public:
    explicit frmGemologyDisplay(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
