#pragma once
#include <QAction>
#include <QStringList>

// The texts of menu items as a menu shows them, "-" for a separator.
inline QStringList Action_Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}
