#include "shell/widgets/link_label.h"

#include "shell/widgets/accessible_controls.h"

#include <QEvent>
#include <QMouseEvent>

namespace {
bool isLeftClickInside(const QWidget* widget, const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}
}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : WrappedLabel(parent)
{
    Install_Accessible_Controls();
    setCursor(Qt::PointingHandCursor);
}

bool LinkLabel::event(QEvent* event)
{
    const bool handled = WrappedLabel::event(event);
    if (event->type() == QEvent::Polish && takesFocus && focusPolicy() == Qt::NoFocus)
        setFocusPolicy(Qt::StrongFocus);  // after the label's own polish, which would make the document
    return handled;
}

void LinkLabel::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);  // not the label's, which would make the document
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (Accept_Press_Key(this, event))
        emit clicked();
    else
        WrappedLabel::keyPressEvent(event);
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
    takesFocus = false;
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
