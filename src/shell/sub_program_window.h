#pragma once
#include <QMainWindow>

// The window of a sub-program. However it is closed (Exit, the title bar's close box, the
// launcher opening another sub-program, the program quitting), a close that goes through runs
// its Form_Unload, which gives the launcher its welcome panel back.
class SubProgramWindow : public QMainWindow {
public:
    using QMainWindow::QMainWindow;

protected:
    void closeEvent(QCloseEvent* event) override;
    virtual void Form_Unload();
};
