#pragma once
#include <QMargins>
#include <QRect>

// The arithmetic of fitting a window into an area of the screen by its frame: the title bar and
// borders the window manager puts around the window's client area count as part of the window.

// The client size to give a window so that, framed, it fits the area: the size it wants, made
// smaller where the area is smaller, never below its minimum (nor below one pixel).
QSize Fitted_Client_Size(QSize wanted, QSize minimum, const QMargins& frame, QSize area);

// Where a window's frame goes in the area.
enum class FramePlace {
    TopCentre,     // centred across the area, its top at the area's top
    BottomCentre,  // centred across the area, its bottom at the area's bottom
    Nearest,       // where it is, moved inside the area by as little as it takes
};

// The client rectangle of a window of that client size and frame, its frame placed in the area.
// A frame larger than the area keeps its top left corner in the area, so the title bar stays
// reachable. For Nearest, client gives the window's present place.
QRect Placed_Client(const QRect& area, const QRect& client, const QMargins& frame, FramePlace place);
