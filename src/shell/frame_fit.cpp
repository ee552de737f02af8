#include "shell/frame_fit.h"

#include <algorithm>

QSize Fitted_Client_Size(QSize wanted, QSize minimum, const QMargins& frame, QSize area)
{
    const QSize room = area.shrunkBy(frame).expandedTo(QSize(1, 1));
    return wanted.boundedTo(room).expandedTo(minimum).expandedTo(QSize(1, 1));
}

namespace {
// The start of a span of that length inside [low, low + room): at `wanted` if it fits there,
// else moved in, and at `low` when it is longer than the room.
int Kept_Inside(int wanted, int length, int low, int room)
{
    return std::max(low, std::min(wanted, low + room - length));
}
}  // namespace

QRect Placed_Client(const QRect& area, const QRect& client, const QMargins& frame, FramePlace place)
{
    const QRect framed = client.marginsAdded(frame);
    const int centred = area.x() + (area.width() - framed.width()) / 2;
    QPoint corner;
    switch (place) {
    case FramePlace::TopCentre:
        corner = QPoint(centred, area.y());
        break;
    case FramePlace::BottomCentre:
        corner = QPoint(centred, area.y() + area.height() - framed.height());
        break;
    case FramePlace::Nearest:
        corner = framed.topLeft();
        break;
    }
    corner = QPoint(Kept_Inside(corner.x(), framed.width(), area.x(), area.width()),
                    Kept_Inside(corner.y(), framed.height(), area.y(), area.height()));
    return QRect(corner + QPoint(frame.left(), frame.top()), client.size());
}
