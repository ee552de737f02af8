#pragma once
#include "shell/widgets/clipboard_guard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <functional>

// What another program left on the clipboard in the clipboard tests.
inline const QString Foreign_Text = QStringLiteral("someone else's words");

// Puts text on the clipboard as another program would. Where the platform counts whatever
// this process puts there as the program's own (X11), another program puts it there: xclip,
// which keeps offering it until something else takes the clipboard. False when it could not.
inline bool Put_Foreign_Text()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(Foreign_Text);
    if (!clipboard->ownsClipboard())
        return true;
    QProcess xclip;
    xclip.setStandardOutputFile(QProcess::nullDevice());
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard")});
    if (!xclip.waitForStarted())
        return false;
    xclip.write(Foreign_Text.toUtf8());
    xclip.closeWriteChannel();
    if (!xclip.waitForFinished() || xclip.exitCode() != 0)
        return false;
    return QTest::qWaitFor([clipboard] { return !clipboard->ownsClipboard() && clipboard->text() == Foreign_Text; });
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
        else
            QVERIFY2(Put_Foreign_Text(), "no other program could put text on the clipboard (is xclip installed?)");
        gesture();
        QCOMPARE(QGuiApplication::clipboard()->text(), ours ? QString() : Foreign_Text);
    }
}
