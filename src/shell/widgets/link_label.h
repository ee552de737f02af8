#pragma once
#include "shell/widgets/wrapped_label.h"

#include <QFrame>

// A label that acts as a link: it reports a left-button click and shows the hand pointer.
class LinkLabel : public WrappedLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A label that reports clicks and every mouse movement over it, with the ordinary pointer
// unless a window gives it another (the launcher's captions).
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
