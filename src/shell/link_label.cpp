#include "shell/link_label.h"

#include <QMouseEvent>

namespace {
bool isLeftClickInside(const QWidget* widget, const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}
}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (isLeftClickInside(this, event))
        emit clicked();
}

CaptionLabel::CaptionLabel(QWidget* parent) : LinkLabel(parent)
{
    unsetCursor();
    setMouseTracking(true);
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event)
{
    LinkLabel::mouseMoveEvent(event);
    emit mouseMoved();
}

void LinkFrame::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
    if (isLeftClickInside(this, event))
        emit clicked();
}
