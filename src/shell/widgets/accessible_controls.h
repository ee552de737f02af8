#pragma once
#include <QString>

class QKeyEvent;
class QWidget;

// Whether the key presses a focused link or picture as a click does: Space, Enter or Return
// without modifiers, on an enabled control. Such a key is accepted, so it goes no further.
bool Accept_Press_Key(const QWidget* control, QKeyEvent* event);

// Draws the focus ring round a focused control that draws itself (links, pictures).
void Paint_Focus_Ring(QWidget* control);

// What a screen reader says about a drawing that carries meaning: "Picture of Garnet" for
// "stones/garnet", "Picture of Aries" for "signs/aries"; empty for decorations and the icon.
QString Picture_Description(const QString& drawing);

// Makes screen readers see link labels as links that say where they lead, pictures with what
// they show, and named drop-down lists by their names. Installed once; every link label and picture box asks for it.
void Install_Accessible_Controls();
