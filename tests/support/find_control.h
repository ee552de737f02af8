#pragma once
#include <QString>
#include <QWidget>

// The control of a window with that name; a test that names a control the window lacks stops
// at once with the name, rather than failing later on a null pointer.
template <typename Control>
Control* Find_Control(const QWidget* window, const QString& name)
{
    auto* found = window->findChild<Control*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}
