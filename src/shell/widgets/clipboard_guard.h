#pragma once
#include <QObject>

class QAbstractScrollArea;

// Keeps our descriptive texts from being copied out of a text box: no copy or cut shortcut,
// no context menu, no dragging text out, and text selected in the box is never offered as the
// primary selection (middle-click pasting on X11). On every change, click and mouse press,
// move and release over the box it clears the system clipboard, but only when the clipboard
// holds content that this program put there; what other programs placed on it is never touched.
class ClipboardGuard : public QObject {
    Q_OBJECT
public:
    // Guards the box; the guard belongs to the box.
    static void protect(QAbstractScrollArea* box);

    // Puts text on the clipboard marked as this program's own.
    static void putOwnText(const QString& text);
    // True when the clipboard holds content that this program put there.
    static bool clipboardIsOurs();
    // Clears the clipboard if it is ours.
    static void clearIfOurs();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    // Withdraws the primary selection when the guarded box just offered its selected text.
    void withdrawBoxSelection();
};
