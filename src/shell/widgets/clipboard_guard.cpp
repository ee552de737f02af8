#include "shell/widgets/clipboard_guard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {
const QString Own_Marker = QStringLiteral("application/x-zev-gemmarium");

bool isCopyKey(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut);
}

// The text selected in the box, as a copy of it would read.
QString selectedText(QObject* box)
{
    if (auto* rich = qobject_cast<QTextEdit*>(box))
        return rich->textCursor().selection().toPlainText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        return plain->textCursor().selection().toPlainText();
    return {};
}

// Dropping the selection before a press means a drag of our text can never start.
void dropSelection(QObject* box)
{
    if (auto* rich = qobject_cast<QTextEdit*>(box)) {
        QTextCursor cursor = rich->textCursor();
        cursor.clearSelection();
        rich->setTextCursor(cursor);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        QTextCursor cursor = plain->textCursor();
        cursor.clearSelection();
        plain->setTextCursor(cursor);
    }
}
}  // namespace

void ClipboardGuard::protect(QAbstractScrollArea* box)
{
    auto* guard = new ClipboardGuard(box);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    box->viewport()->setMouseTracking(true);
    box->installEventFilter(guard);
    box->viewport()->installEventFilter(guard);
    if (auto* rich = qobject_cast<QTextEdit*>(box))
        connect(rich, &QTextEdit::textChanged, guard, &ClipboardGuard::clearIfOurs);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        connect(plain, &QPlainTextEdit::textChanged, guard, &ClipboardGuard::clearIfOurs);
    connect(QGuiApplication::clipboard(), &QClipboard::selectionChanged, guard,
            &ClipboardGuard::withdrawBoxSelection);
}

void ClipboardGuard::withdrawBoxSelection()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsSelection())
        return;
    const QString offered = clipboard->text(QClipboard::Selection);
    if (!offered.isEmpty() && offered == selectedText(parent()))
        clipboard->clear(QClipboard::Selection);
}

void ClipboardGuard::putOwnText(const QString& text)
{
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(Own_Marker, QByteArray("1"));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool ClipboardGuard::clipboardIsOurs()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsClipboard())
        return true;
    const QMimeData* data = clipboard->mimeData();
    return data && data->hasFormat(Own_Marker);
}

void ClipboardGuard::clearIfOurs()
{
    if (clipboardIsOurs())
        QGuiApplication::clipboard()->clear();
}

bool ClipboardGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (isCopyKey(event)) {
        event->accept();
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        dropSelection(parent());
        clearIfOurs();
        break;
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        clearIfOurs();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
