#pragma once
#include <QRect>

class QScrollArea;
class QWidget;

// Puts a window's body into a scroll area that takes its place (as the central widget, or in its
// parent's layout), so the window can shrink to a small screen while every control keeps the room
// it needs and stays reachable by scrolling.
QScrollArea* Scroll_Body(QWidget* body);

// Makes a window, frame included, no larger than the area.
void Fit_Into(QWidget* window, const QRect& area);

// Fits a window into the area afresh, from the size it had before Fit_Into() first made it
// smaller, resizing it once at most.
void Refit_Into(QWidget* window, const QRect& area);

// Moves a window, frame included, inside the available area of its screen.
void Keep_On_Screen(QWidget* window);

// The available area of the screen the window is on (or of the primary screen).
QRect Screen_Area(const QWidget* window);
