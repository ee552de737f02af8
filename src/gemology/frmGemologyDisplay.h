#pragma once
#include "gemology/gemology_reading.h"

#include <QMainWindow>

// Window "Zev Gemology".
class frmGemologyDisplay : public QMainWindow {
    Q_OBJECT
public:
    explicit frmGemologyDisplay(QWidget* parent = nullptr);

    // Writes the reading's fields into the window's controls; a field the reading did not
    // write keeps what the control showed before.
    void showReading(const GemologyReading& reading);

protected:
    void closeEvent(QCloseEvent* event) override;
};
