#include "shell/widgets/paste_guard.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

PasteGuard::PasteGuard(QLineEdit* field, std::function<void()> refused)
    : QObject(field), field(field), refused(std::move(refused))
{
}

void PasteGuard::protect(QLineEdit* field, std::function<void()> refused)
{
    field->installEventFilter(new PasteGuard(field, std::move(refused)));
}

bool PasteGuard::paste(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype kept = field->text().size() - field->selectedText().size();
    if (kept + trimmed.size() > field->maxLength()) {
        refused();
        return false;
    }
    field->insert(trimmed);
    return true;
}

// The field's own context menu, with its Paste going through the guard.
void PasteGuard::showContextMenu(const QPoint& at)
{
    QMenu* menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), field, SLOT(paste())))
            connect(action, &QAction::triggered, this, [this] { paste(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(at);
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event)
{
    // Only the events that paste are looked at: others come while the field is being deleted
    // (the focus leaving it), when it is a line edit no more.
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonRelease && type != QEvent::ContextMenu && type != QEvent::Drop)
        return false;
    if (watched != field || field->isReadOnly())
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return false;
        paste(clipboard->text());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton || !clipboard->supportsSelection())
            return false;
        field->deselect();
        paste(clipboard->text(QClipboard::Selection));
        return true;
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source() == field || !drop->mimeData()->hasText())
            return false;  // moving text inside the field, or nothing to paste
        field->setCursorPosition(field->cursorPositionAt(drop->position().toPoint()));
        if (paste(drop->mimeData()->text()))
            drop->acceptProposedAction();
        else
            drop->ignore();
        QDragLeaveEvent leave;  // takes the drop caret away, as the field does after a drop
        QCoreApplication::sendEvent(field, &leave);
        return true;
    }
    default:
        return false;
    }
}
