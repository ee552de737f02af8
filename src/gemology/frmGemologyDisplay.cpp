#include "gemology/frmGemologyDisplay.h"

#include "shell/sub_programs.h"

#include <QCloseEvent>

frmGemologyDisplay::frmGemologyDisplay(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmGemologyDisplay"));
    setWindowTitle(QStringLiteral("Zev Gemology"));
    resize(800, 600);
}

void frmGemologyDisplay::closeEvent(QCloseEvent* event)
{
    Welcome_Panel::setVisible(true);
    QMainWindow::closeEvent(event);
}

void frmGemologyDisplay::showReading(const GemologyReading&)
{
}
