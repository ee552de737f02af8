#pragma once
#include "shell/widgets/wrapped_label.h"

#include <QFrame>

// A label that acts as a link: it reports a left-button click, or Space or Enter while it has the
// focus, and shows the hand pointer. It takes the focus by Tab and by click, with a focus ring,
// from the moment it is first polished (before it is first shown). Its text is measured and drawn
// as a plain label's: a label that may take the focus when its text is set, when it is polished
// or when it gains the focus lays that text out as a whole document, again at every size its
// layout asks about and at every paint, which would cost a window of links much of its opening.
class LinkLabel : public WrappedLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

    bool takesFocus = true;
};

// A label that reports clicks and every mouse movement over it, with the ordinary pointer
// unless a window gives it another (the launcher's captions). It takes no focus unless a window
// makes it a link that does.
class CaptionLabel : public LinkLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

// A strip that reports a left-button click anywhere on it.
class LinkFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
