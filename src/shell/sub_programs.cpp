#include "shell/sub_programs.h"

#include "shell/widgets/screen_fit.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <utility>

namespace {

struct Managed {
    Sub_Programs::Factory factory;
    QPointer<QWidget> window;
    bool madeAhead = false;  // a spare of this kind is kept
    // Made ahead, never shown; deleted when the program quits (a static owner would outlive the
    // application object).
    QPointer<QWidget> spare;
};

std::map<SubWindow, Managed>& managed()
{
    static std::map<SubWindow, Managed> windows;
    return windows;
}

bool makingAhead()
{
    return std::any_of(managed().begin(), managed().end(), [](const auto& entry) { return entry.second.madeAhead; });
}

bool spareMissing(const Managed& entry)
{
    return entry.madeAhead && !entry.spare && entry.factory;
}

bool anySpareMissing()
{
    return std::any_of(managed().begin(), managed().end(), [](const auto& entry) { return spareMissing(entry.second); });
}

// Idle: the event loop has handled what it had and is about to wait for more. Even then, what
// the user does in the next moment comes first.
constexpr std::chrono::milliseconds Idle_Moment{40};

void whenIdle(void (*work)())
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                   qApp, [connection, work] {
                                       QObject::disconnect(*connection);
                                       QTimer::singleShot(Idle_Moment, qApp, work);
                                   });
}

// While windows are made ahead, closed ones are deleted when the program is idle too, not
// between the user's click and the next window's first frame.
QList<QPointer<QWidget>>& closedWindows()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

void deleteClosedWindows()
{
    for (const QPointer<QWidget>& window : std::exchange(closedWindows(), {}))
        delete window;
}

// Forgets a window the moment it is closed, before its deletion.
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
            if (auto* window = qobject_cast<QWidget*>(watched); !window->testAttribute(Qt::WA_DeleteOnClose)) {
                closedWindows().append(window);
                whenIdle(deleteClosedWindows);
            }
        }
        return false;
    }

private:
    SubWindow kind;
};

// Windows handed out (or the launcher) that have not painted their first frame yet.
int& firstFramesAwaited()
{
    static int count = 0;
    return count;
}

// Makes the next missing spare; the one after waits for the next idle moment, so that input
// waits for at most one window being made. Nothing is made while a window the user has just
// asked for waits for its first frame: its painting comes first, and starts the making again.
void makeNextSpare()
{
    if (firstFramesAwaited() > 0)
        return;
    for (auto& [kind, entry] : managed()) {
        if (spareMissing(entry)) {
            entry.spare = entry.factory();
            // Drawn once where nobody sees it, so that its layout is done and its pictures
            // and glyphs are cached before it is first shown.
            QImage frame(entry.spare->size(), QImage::Format_ARGB32_Premultiplied);
            entry.spare->render(&frame);
            if (anySpareMissing())
                whenIdle(makeNextSpare);
            return;
        }
    }
}

// Starts making the missing spares once a window has painted its first frame and the program
// is idle: the user sees that window, and whatever it does next, before any spare is made.
class FirstFrameWatcher : public QObject {
public:
    explicit FirstFrameWatcher(QWidget* window) : QObject(window)
    {
        ++firstFramesAwaited();
        window->installEventFilter(this);
    }
    ~FirstFrameWatcher() override
    {
        if (!painted)
            --firstFramesAwaited();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == parent() && !painted) {
            painted = true;
            --firstFramesAwaited();
            whenIdle(makeNextSpare);
            deleteLater();
        }
        return false;
    }

private:
    bool painted = false;
};

void dropSpares()
{
    for (auto& [kind, entry] : managed())
        delete entry.spare;
    deleteClosedWindows();
}

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
    Managed& entry = managed()[kind];
    entry.factory = std::move(factory);
    delete entry.spare;
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
    QWidget* window = entry.spare;
    if (window) {
        // Made while the launcher may have left another room than it leaves now.
        Refit_Into(window, subProgramArea(window));
        entry.spare.clear();
    } else {
        window = entry.factory();
    }
    if (makingAhead())
        new FirstFrameWatcher(window);
    else
        window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(new CloseWatcher(kind, window));
    entry.window = window;
    return window;
}

void Sub_Programs::makeAhead(std::initializer_list<SubWindow> kinds, QWidget* first)
{
    for (SubWindow kind : kinds)
        managed()[kind].madeAhead = true;
    [[maybe_unused]] static const auto dropsAtQuit = QObject::connect(qApp, &QCoreApplication::aboutToQuit, dropSpares);
    new FirstFrameWatcher(first);
}

bool Sub_Programs::idleWorkPending()
{
    return anySpareMissing() || !closedWindows().isEmpty();
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
