#include "shell/widgets/deferred_page.h"

#include <QLayout>
#include <QStackedWidget>

namespace {

// The controls inside a widget that the Tab key reaches, in the window's tab order.
QList<QWidget*> tabStops(const QWidget* container)
{
    QList<QWidget*> stops;
    const QWidget* window = container->window();
    for (QWidget* widget = window->nextInFocusChain(); widget != window; widget = widget->nextInFocusChain())
        if (container->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus))
            stops.append(widget);
    return stops;
}

// The last tab stop on the pages before this one in its stack: where this page's tab order
// goes, as it would had the page been made with the window.
QWidget* tabStopBefore(const QWidget* page)
{
    const auto* stack = qobject_cast<const QStackedWidget*>(page->parentWidget());
    for (int before = stack ? stack->indexOf(page) - 1 : -1; before >= 0; --before) {
        if (const QList<QWidget*> stops = tabStops(stack->widget(before)); !stops.isEmpty())
            return stops.last();
    }
    return nullptr;
}

}  // namespace

DeferredPage::DeferredPage(const QString& name, Builder builder, QWidget* parent)
    : QFrame(parent), builder(std::move(builder))
{
    setObjectName(name);
}

void DeferredPage::build()
{
    if (isBuilt())
        return;
    const Builder make = std::exchange(builder, nullptr);
    make(this);
    if (QWidget* previous = tabStopBefore(this)) {
        for (QWidget* stop : tabStops(this)) {
            QWidget::setTabOrder(previous, stop);
            previous = stop;
        }
    }
    // Controls made inside a page already on screen would otherwise wait for the event loop to
    // appear and to take their places.
    if (isVisible()) {
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide))
                control->show();
        if (QLayout* own = layout())
            own->activate();
    }
}

void DeferredPage::buildAll(const QWidget* window)
{
    // A page may hold pages of its own, so the search is repeated until none is left to build.
    for (bool built = true; built;) {
        built = false;
        for (DeferredPage* page : window->findChildren<DeferredPage*>()) {
            if (!page->isBuilt()) {
                page->build();
                built = true;
            }
        }
    }
}

void DeferredPage::showEvent(QShowEvent* event)
{
    build();
    QFrame::showEvent(event);
}
