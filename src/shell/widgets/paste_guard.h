#pragma once
#include <QObject>

#include <functional>

class QLineEdit;

// Pastes into a text field whole or not at all. The blanks around pasted text are dropped, and
// pasted text that still would not fit the field's length limit (in place of its selection) is
// refused instead of being cut: the field keeps what it held and the window is told, to say so.
// Whatever fits goes in unfiltered. It guards every way of pasting: the paste keys, the context
// menu's Paste, the middle button (the X11 selection) and dropping text from elsewhere.
class PasteGuard : public QObject {
    Q_OBJECT
public:
    // Guards the field; refused runs for every refused paste. The guard belongs to the field.
    static void protect(QLineEdit* field, std::function<void()> refused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PasteGuard(QLineEdit* field, std::function<void()> refused);
    // Puts the text in place of the selection if it fits; false when refused.
    bool paste(const QString& text);
    void showContextMenu(const QPoint& at);

    QLineEdit* field;
    std::function<void()> refused;
};
