#include "shell/widgets/link_label.h"

#include <QMouseEvent>

namespace {
bool isLeftClickInside(const QWidget* widget, const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}
}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : WrappedLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isLeftClickInside(this, event)) {
        WrappedLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();  // the click is the link's, not also the strip's behind it
    emit clicked();
}

CaptionLabel::CaptionLabel(QWidget* parent) : LinkLabel(parent)
{
    unsetCursor();
    setMouseTracking(true);
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();  // a move over the caption is not also a move over the panel behind it
    emit mouseMoved();
}

void LinkFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isLeftClickInside(this, event)) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}
