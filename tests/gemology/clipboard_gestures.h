#pragma once
#include "shell/widgets/clipboard_guard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <functional>

// What another program left on the clipboard in the clipboard tests.
inline const QString Foreign_Text = QStringLiteral("someone else's words");

// Puts text on the clipboard as another program would. False where the platform counts
// whatever this process puts there as the program's own (X11), so no foreign text can be made.
inline bool Put_Foreign_Text()
{
    QGuiApplication::clipboard()->setText(Foreign_Text);
    return !QGuiApplication::clipboard()->ownsClipboard();
}

// The mouse gestures over a text box that must each leave the clipboard rule kept: press,
// move, release and a whole click.
inline QList<std::function<void()>> Mouse_Gestures(QWidget* viewport)
{
    const QPoint inside = viewport->rect().center();
    return {
        [=] { QTest::mousePress(viewport, Qt::LeftButton, {}, inside); },
        [=] { QTest::mouseMove(viewport, inside + QPoint(4, 4)); },
        [=] { QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside); },
        [=] { QTest::mouseClick(viewport, Qt::LeftButton, {}, inside); },
    };
}

// Runs each gesture with our own text, or with another program's, on the clipboard, and checks
// that the gesture cleared the clipboard exactly when the text on it was ours.
inline void Check_Clipboard_Cleared_Only_When_Ours(const QList<std::function<void()>>& gestures, bool ours)
{
    for (const auto& gesture : gestures) {
        if (ours)
            ClipboardGuard::putOwnText(QStringLiteral("our words"));
        else if (!Put_Foreign_Text())
            QSKIP("text put on the clipboard by this process counts as the program's own here");
        gesture();
        QCOMPARE(QGuiApplication::clipboard()->text(), ours ? QString() : Foreign_Text);
    }
}
