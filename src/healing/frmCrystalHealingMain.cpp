#include "healing/frmCrystalHealingMain.h"

#include "shell/sub_programs.h"

#include <QCloseEvent>

frmCrystalHealingMain::frmCrystalHealingMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmCrystalHealingMain"));
    setWindowTitle(QStringLiteral("Zev Crystal Healing"));
    resize(800, 600);
}

void frmCrystalHealingMain::closeEvent(QCloseEvent* event)
{
    Welcome_Panel::setVisible(true);
    QMainWindow::closeEvent(event);
}
