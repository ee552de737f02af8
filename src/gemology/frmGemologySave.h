#pragma once
#include <QMainWindow>

// Window "Zev Gemology".
class frmGemologySave : public QMainWindow {
    Q_OBJECT
public:
    explicit frmGemologySave(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
