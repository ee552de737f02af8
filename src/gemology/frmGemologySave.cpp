#include "gemology/frmGemologySave.h"

#include "shell/sub_programs.h"

#include <QCloseEvent>

frmGemologySave::frmGemologySave(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmGemologySave"));
    setWindowTitle(QStringLiteral("Zev Gemology"));
    resize(800, 600);
}

void frmGemologySave::closeEvent(QCloseEvent* event)
{
    Welcome_Panel::setVisible(true);
    QMainWindow::closeEvent(event);
}
