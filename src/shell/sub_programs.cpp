#include "shell/sub_programs.h"

#include "shell/widgets/screen_fit.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <map>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

struct Managed {
    Sub_Programs::Factory factory;
    QPointer<QWidget> window;  // clears itself when the window is deleted
};

std::map<SubWindow, Managed>& managed()
{
    static std::map<SubWindow, Managed> windows;
    return windows;
}

// Forgets a managed window the moment its close goes through, a moment before its deletion.
// The window's own close handling runs here first, so the verdict is the window's: one that
// refuses to close stays known.
class CloseFollower : public QObject {
public:
    CloseFollower(SubWindow kind, QWidget* window) : QObject(window), kind(kind)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Close || watched != parent())
            return false;
        watched->event(event);
        if (Managed& entry = managed()[kind]; event->isAccepted() && entry.window == watched)
            entry.window.clear();
        return true;
    }

private:
    SubWindow kind;
};

// Hands what a deleted window freed back to the system. The C library otherwise keeps freed
// memory for the process: after a first visit of every window, some five mebibytes.
void releaseFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

QPointer<QWidget>& welcomePanel()
{
    static QPointer<QWidget> panel;
    return panel;
}

// The screen's available area, less the band at its bottom where the launcher lies docked while
// its welcome panel is hidden, so a sub-program window never covers the launcher's strips. The
// band is as high as the docked launcher's fixed height and frame, not measured from where the
// launcher is said to be: just after it docked, the window manager may still report the place it
// had before, high on the screen, and a window placed then would be squeezed to nothing.
QRect subProgramArea(const QWidget* window)
{
    QRect area = Screen_Area(window);
    const QWidget* panel = welcomePanel();
    if (!panel || !panel->isHidden())
        return area;
    const QWidget* launcher = panel->window();
    if (launcher == window || !launcher->isVisible())
        return area;
    const QMargins frame = Frame_Margins(launcher);
    area.setBottom(area.bottom() - (launcher->minimumHeight() + frame.top() + frame.bottom()));
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
    manage(kind, window);
    return window;
}

void Sub_Programs::manage(SubWindow kind, QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    new CloseFollower(kind, window);
    QObject::connect(window, &QObject::destroyed, qApp, [] { QTimer::singleShot(0, qApp, releaseFreedMemory); });
    managed()[kind].window = window;
}

void Sub_Programs::closeAll()
{
    for (SubWindow kind : {SubWindow::Divination, SubWindow::Healing, SubWindow::Display,
                           SubWindow::Entry, SubWindow::Report, SubWindow::Display, SubWindow::MoonCalendar,
                           SubWindow::People}) {
        if (QWidget* window = instance(kind))
            window->close();
    }
}

void Sub_Programs::placeAtTopCentre(QWidget* window)
{
    Place_By_Frame(window, [window] {
        const QRect area = subProgramArea(window);
        if (area.isEmpty())
            return;
        Fit_Into(window, area);
        Place_Frame(window, area, FramePlace::TopCentre);
    });
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
