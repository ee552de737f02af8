#include "gemmarium.h"

#include "divination/frmCrystalDivinationMain.h"
#include "donation/frmDonate.h"
#include "gemology/frmGemologyDisplay.h"
#include "gemology/frmGemologyMain.h"
#include "healing/frmCrystalHealingMain.h"
#include "moon/frmMoonCalendar.h"
#include "people/frmPeople.h"
#include "shell/widgets/program_style.h"
#include "shell/widgets/drawing_icon.h"
#include "shell/single_instance.h"
#include "shell/start_program.h"
#include "shell/sub_programs.h"
#include "shell/version.h"

#include <QApplication>

void Register_Windows()
{
    Use_Program_Style();
    Sub_Programs::setFactory(SubWindow::Divination, [] { return new frmCrystalDivinationMain; });
    Sub_Programs::setFactory(SubWindow::Healing, [] { return new frmCrystalHealingMain; });
    Sub_Programs::setFactory(SubWindow::Entry, [] { return new frmGemologyMain; });
    Sub_Programs::setFactory(SubWindow::Display, [] { return new frmGemologyDisplay; });
    Sub_Programs::setFactory(SubWindow::Donation, [] { return new frmDonate; });
    Sub_Programs::setFactory(SubWindow::MoonCalendar, [] { return new frmMoonCalendar; });
    Sub_Programs::setFactory(SubWindow::People, [] { return new frmPeople; });
}

void Set_Program_Identity()
{
    QApplication::setOrganizationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationName(QStringLiteral("Zev Gemmarium"));
    QApplication::setApplicationVersion(Program_Version);
    QGuiApplication::setDesktopFileName(Program_Desktop_Id);
    QApplication::setWindowIcon(Drawing_Icon("app/icon"));
}

int Run_Program()
{
    QApplication::setQuitOnLastWindowClosed(false);
    Register_Windows();
    SingleInstance instance;
    if (!Start_Program(instance))
        return 0;
    return QApplication::exec();
}
