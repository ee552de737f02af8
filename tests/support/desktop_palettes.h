#pragma once
#include <QApplication>
#include <QPalette>
#include <QStyle>

// The desktop themes a user may run the program under: the style's own light palette, the
// default, and a dark one as dark desktop themes give.
inline QPalette Light_Desktop_Palette()
{
    return QApplication::style()->standardPalette();
}

inline QPalette Dark_Desktop_Palette()
{
    QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    return palette;
}
