#pragma once
#include "shell/widgets/deferred_page.h"

#include <QString>
#include <QWidget>

// The control of a window with that name, the window's pages that are made when first shown
// built first when it is on one of them; a test that names a control the window lacks stops at
// once with the name, rather than failing later on a null pointer.
template <typename Control>
Control* Find_Control(const QWidget* window, const QString& name)
{
    auto* found = window->findChild<Control*>(name);
    if (!found) {
        DeferredPage::buildAll(window);
        found = window->findChild<Control*>(name);
    }
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}
