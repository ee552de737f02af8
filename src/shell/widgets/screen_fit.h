#pragma once
#include "shell/frame_fit.h"

#include <QMargins>
#include <QRect>
#include <functional>

class QScrollArea;
class QWidget;

// Puts a window's body into a scroll area that takes its place (as the central widget, or in its
// parent's layout), so the window can shrink to a small screen while every control keeps the room
// it needs and stays reachable by scrolling.
QScrollArea* Scroll_Body(QWidget* body);

// The frame the window manager puts around the window: the window's own once it is framed;
// until then the frame of the program's windows framed so far, or, before any, a common title
// bar and border (none where the platform draws no frames).
QMargins Frame_Margins(const QWidget* window);

// Halves the top and bottom margins and the vertical spacing of every layout in the window while
// squeezed, so that a window shorter than designed shows more of itself; gives them back when not.
void Squeeze_Layouts(QWidget* window, bool squeeze);

// Makes a window, frame included, no larger than the area, fitting it from the size it had
// before it was first made smaller, never below its minimum size; its layouts are squeezed
// while it is shorter than that size.
void Fit_Into(QWidget* window, const QRect& area);

// Moves a window so that its frame lies at that place in the area.
void Place_Frame(QWidget* window, const QRect& area, FramePlace place);

// Runs place (which fits and places the window by its frame) now, and, for a window not yet
// framed, once more when the window manager has framed it. Under X11 a window's frame is known
// only once the window manager has shown it.
void Place_By_Frame(QWidget* window, std::function<void()> place);

// Fits a window, frame included, into the available area of its screen and moves it inside.
void Keep_On_Screen(QWidget* window);

// The available area of the screen the window is on (or of the primary screen).
QRect Screen_Area(const QWidget* window);
