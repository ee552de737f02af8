#include "shell/start_program.h"

#include "shell/frmMDI.h"
#include "shell/prompts.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"

frmMDI* Start_Program(SingleInstance& instance)
{
    if (!instance.acquire()) {
        Prompts::current().showMessage(nullptr, QStringLiteral("Application is already running"),
                                       Prompts::Icon::Information);
        return nullptr;
    }
    Update_Reminder();
    auto* launcher = new frmMDI;
    launcher->setAttribute(Qt::WA_DeleteOnClose);
    launcher->show();
    return launcher;
}
