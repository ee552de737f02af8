#include "shell/update_reminder.h"

#include "shell/clock.h"
#include "shell/page_links.h"
#include "shell/prompts.h"

#include <QSettings>

namespace {
const QString Reminder_Key = QStringLiteral("Settings/Duration");
const QString Date_Format = QStringLiteral("yyyy-MM-dd");
}  // namespace

void Update_Reminder()
{
    QSettings settings;
    const QDate today = Clock::today();
    const QVariant stored = settings.value(Reminder_Key);
    if (!stored.isValid()) {
        settings.setValue(Reminder_Key, today.toString(Date_Format));
        return;
    }
    const QDate last = QDate::fromString(stored.toString(), Date_Format);
    if (!last.isValid())
        return;
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;

    const bool yes = Prompts::current().askYesNo(
        nullptr, QStringLiteral("There maybe an update to this software available\r"
                                "Do you want to check for an update?"));
    settings.setValue(Reminder_Key, today.toString(Date_Format));
    settings.sync();
    if (yes)
        Open_Page(QStringLiteral("download-web-page"));
}
