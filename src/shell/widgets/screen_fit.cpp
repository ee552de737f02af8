#include "shell/widgets/screen_fit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace {
constexpr char Unfitted_Size_Property[] = "unfittedSize";
}  // namespace

QScrollArea* Scroll_Body(QWidget* body)
{
    QWidget* holder = body->parentWidget();
    auto* window = qobject_cast<QMainWindow*>(holder);
    const bool central = window && window->centralWidget() == body;
    auto* area = new QScrollArea(central ? window : nullptr);
    area->setObjectName(body->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    area->setSizePolicy(body->sizePolicy());
    if (central) {
        // Moved straight into a scroll area already in the window; the window lets go of a
        // central widget that moves away.
        area->setWidget(body);
        window->setCentralWidget(area);
        return area;
    }
    if (holder && holder->layout())
        delete holder->layout()->replaceWidget(body, area);
    area->setWidget(body);
    return area;
}

namespace {
// The largest size the window may have inside the area, its frame around it.
QSize roomIn(QWidget* window, const QRect& area)
{
    window->winId();  // a window that has its native window knows the size of its frame
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return (area.size() - frame).expandedTo(QSize(1, 1));
}
}  // namespace

void Fit_Into(QWidget* window, const QRect& area)
{
    const QSize fitted = window->size().boundedTo(roomIn(window, area));
    if (fitted == window->size())
        return;
    if (!window->property(Unfitted_Size_Property).isValid())
        window->setProperty(Unfitted_Size_Property, window->size());
    window->resize(fitted.expandedTo(window->minimumSize()));
}

void Refit_Into(QWidget* window, const QRect& area)
{
    const QVariant unfitted = window->property(Unfitted_Size_Property);
    if (!unfitted.isValid() || area.isEmpty())
        return;
    const QSize fitted = unfitted.toSize().boundedTo(roomIn(window, area)).expandedTo(window->minimumSize());
    if (fitted != window->size())
        window->resize(fitted);
}

void Keep_On_Screen(QWidget* window)
{
    const QRect area = Screen_Area(window);
    const QRect frame = window->frameGeometry();
    const int left = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int top = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        window->move(left, top);
}

QRect Screen_Area(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
