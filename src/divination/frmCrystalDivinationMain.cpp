#include "divination/frmCrystalDivinationMain.h"

#include "shell/sub_programs.h"

#include <QCloseEvent>

frmCrystalDivinationMain::frmCrystalDivinationMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmCrystalDivinationMain"));
    setWindowTitle(QStringLiteral("Zev Crystal Divination"));
    resize(800, 600);
}

void frmCrystalDivinationMain::closeEvent(QCloseEvent* event)
{
    Welcome_Panel::setVisible(true);
    QMainWindow::closeEvent(event);
}
