#include "shell/sub_programs.h"

#include "shell/widgets/screen_fit.h"

#include <QApplication>
#include <QPointer>
#include <algorithm>
#include <map>

namespace {

struct Managed {
    Sub_Programs::Factory factory;
    QPointer<QWidget> window;
};

std::map<SubWindow, Managed>& managed()
{
    static std::map<SubWindow, Managed> windows;
    return windows;
}

// Forgets a window the moment it is closed, before its deferred deletion.
class CloseWatcher : public QObject {
public:
    CloseWatcher(SubWindow kind, QObject* parent) : QObject(parent), kind(kind) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && event->isAccepted()) {
            Managed& entry = managed()[kind];
            if (entry.window == watched)
                entry.window.clear();
        }
        return false;
    }

private:
    SubWindow kind;
};

QPointer<QWidget>& welcomePanel()
{
    static QPointer<QWidget> panel;
    return panel;
}

// The screen's available area, less the band at its bottom where the launcher lies docked while
// its welcome panel is hidden, so a sub-program window never covers the launcher's strips.
QRect subProgramArea(const QWidget* window)
{
    QRect area = Screen_Area(window);
    const QWidget* panel = welcomePanel();
    if (!panel || !panel->isHidden())
        return area;
    const QWidget* launcher = panel->window();
    const int launcherTop = launcher->frameGeometry().top();
    if (launcher != window && launcher->isVisible() && launcherTop > area.top())
        area.setBottom(std::min(area.bottom(), launcherTop - 1));
    return area;
}

}  // namespace

void Sub_Programs::setFactory(SubWindow kind, Factory factory)
{
    managed()[kind].factory = std::move(factory);
}

QWidget* Sub_Programs::instance(SubWindow kind)
{
    auto found = managed().find(kind);
    return found == managed().end() ? nullptr : found->second.window.data();
}

QWidget* Sub_Programs::obtain(SubWindow kind)
{
    Managed& entry = managed()[kind];
    if (entry.window)
        return entry.window;
    if (!entry.factory)
        return nullptr;
    QWidget* window = entry.factory();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(new CloseWatcher(kind, window));
    entry.window = window;
    return window;
}

void Sub_Programs::closeAll()
{
    for (SubWindow kind : {SubWindow::Divination, SubWindow::Healing, SubWindow::Display,
                           SubWindow::Entry, SubWindow::Report, SubWindow::Display}) {
        if (QWidget* window = instance(kind))
            window->close();
    }
}

void Sub_Programs::placeAtTopCentre(QWidget* window)
{
    const QRect area = subProgramArea(window);
    if (area.isEmpty())
        return;
    Fit_Into(window, area);
    window->move(area.x() + (area.width() - window->frameGeometry().width()) / 2, area.y());
}

void Welcome_Panel::attach(QWidget* panel)
{
    welcomePanel() = panel;
}

void Welcome_Panel::setVisible(bool visible)
{
    if (welcomePanel())
        welcomePanel()->setVisible(visible);
}

void Quit_Program()
{
    static bool quitting = false;
    if (quitting)
        return;
    quitting = true;
    Sub_Programs::closeAll();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->close();
    }
    quitting = false;
    QCoreApplication::quit();
}
