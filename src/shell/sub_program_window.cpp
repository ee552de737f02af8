#include "shell/sub_program_window.h"

#include "shell/sub_programs.h"

#include <QCloseEvent>

void SubProgramWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        Form_Unload();
}

void SubProgramWindow::Form_Unload()
{
    Welcome_Panel::setVisible(true);
}
