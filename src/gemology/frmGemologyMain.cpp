#include "gemology/frmGemologyMain.h"

#include "shell/sub_programs.h"

#include <QCloseEvent>

frmGemologyMain::frmGemologyMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmGemologyMain"));
    setWindowTitle(QStringLiteral("Zev Gemology"));
    resize(800, 600);
}

void frmGemologyMain::closeEvent(QCloseEvent* event)
{
    Welcome_Panel::setVisible(true);
    QMainWindow::closeEvent(event);
}
