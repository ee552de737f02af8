#include "shell/widgets/screen_fit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <optional>

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
constexpr char Unfitted_Size_Property[] = "unfittedSize";

// The frame of the program's window framed last.
std::optional<QMargins>& lastFrame()
{
    static std::optional<QMargins> frame;
    return frame;
}

// Whether the window's frame is known: the window manager shows a window only once framed.
bool isFramed(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle && (handle->isExposed() || window->frameGeometry() != window->geometry());
}

QMargins ownFrame(const QWidget* window)
{
    const QRect frame = window->frameGeometry(), client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// A title bar of one line of the desktop's font and thin borders, where X11 window managers
// frame windows; other platforms know a window's frame when it is made, or draw none.
QMargins commonFrame()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    const int title = QFontMetrics(QGuiApplication::font()).height() + 8;
    return {1, title, 1, 4};
}

// Runs a window's placing once more when the window manager has framed it and its frame is known.
class FrameWatch : public QObject {
public:
    static void start(QWidget* window, std::function<void()> place)
    {
        // The watch of a window is found by its name: it has no meta-object of its own to be cast by.
        auto* watch = static_cast<FrameWatch*>(window->findChild<QObject*>(Name, Qt::FindDirectChildrenOnly));
        if (!watch)
            watch = new FrameWatch(window);
        watch->place = std::move(place);
        watch->pending = true;
        watch->watchHandle();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Show)
            watchHandle();
        auto* handle = qobject_cast<QWindow*>(watched);
        if (pending && handle && event->type() == QEvent::Expose && handle->isExposed()) {
            pending = false;
            // After the window's own handling: the exposure is what makes the frame known. Placed
            // again even when the frame is the one the placing took: the window manager may
            // have put the window where it chose before the program's place reached it.
            QTimer::singleShot(0, this, [this] { place(); });
        }
        return false;
    }

private:
    static constexpr char Name[] = "frameWatch";

    explicit FrameWatch(QWidget* window) : QObject(window)
    {
        setObjectName(QLatin1String(Name));
        window->installEventFilter(this);
    }

    QWidget* window() const { return static_cast<QWidget*>(parent()); }

    void watchHandle()
    {
        if (QWindow* handle = window()->windowHandle())
            handle->installEventFilter(this);
    }

    std::function<void()> place;
    bool pending = false;
};
}  // namespace

void Squeeze_Layouts(QWidget* window, bool squeeze)
{
    constexpr char Designed_Property[] = "designedSpacing";  // top margin, bottom margin, vertical spacing
    for (QLayout* layout : window->findChildren<QLayout*>()) {
        auto* grid = qobject_cast<QGridLayout*>(layout);
        auto* box = qobject_cast<QBoxLayout*>(layout);
        const bool vertical = box && (box->direction() == QBoxLayout::TopToBottom || box->direction() == QBoxLayout::BottomToTop);
        if (!layout->property(Designed_Property).isValid()) {
            if (!squeeze)
                continue;
            const QMargins margins = layout->contentsMargins();
            layout->setProperty(Designed_Property, QVariant::fromValue(QList<int>{margins.top(), margins.bottom(),
                                                                                  grid ? grid->verticalSpacing() : layout->spacing()}));
        }
        const QList<int> designed = layout->property(Designed_Property).value<QList<int>>();
        const int share = squeeze ? 2 : 1;
        QMargins margins = layout->contentsMargins();
        margins.setTop(designed[0] / share);
        margins.setBottom(designed[1] / share);
        layout->setContentsMargins(margins);
        if (grid)
            grid->setVerticalSpacing(designed[2] / share);
        else if (vertical)
            layout->setSpacing(designed[2] / share);
    }
}

// A frame with a side below zero is none the window manager drew: what Qt works out while the
// window manager is still changing a window's frame. The frame last known stands in for it.
QMargins Frame_Margins(const QWidget* window)
{
    if (isFramed(window)) {
        const QMargins frame = ownFrame(window);
        if (frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0)
            return *(lastFrame() = frame);
    }
    return lastFrame().value_or(commonFrame());
}

void Fit_Into(QWidget* window, const QRect& area)
{
    const QVariant unfitted = window->property(Unfitted_Size_Property);
    const QSize wanted = unfitted.isValid() ? unfitted.toSize() : window->size();
    const QSize fitted = Fitted_Client_Size(wanted, window->minimumSize(), Frame_Margins(window), area.size());
    if (fitted != wanted && !unfitted.isValid())
        window->setProperty(Unfitted_Size_Property, wanted);
    Squeeze_Layouts(window, fitted.height() < wanted.height());
    if (fitted != window->size())
        window->resize(fitted);
}

void Place_Frame(QWidget* window, const QRect& area, FramePlace place)
{
    const QMargins frame = Frame_Margins(window);
    const QPoint client = Placed_Client(area, window->geometry(), frame, place).topLeft();
    if (!window->testAttribute(Qt::WA_WState_Created))
        window->move(client - QPoint(frame.left(), frame.top()));  // where the window manager will put the frame
    else
        window->move(client - (window->geometry().topLeft() - window->pos()));  // the frame as Qt knows it
}

void Place_By_Frame(QWidget* window, std::function<void()> place)
{
    place();
    if (!isFramed(window))
        FrameWatch::start(window, std::move(place));
}

void Keep_On_Screen(QWidget* window)
{
    Place_By_Frame(window, [window] {
        const QRect area = Screen_Area(window);
        Fit_Into(window, area);
        if (window->isVisible())
            Place_Frame(window, area, FramePlace::Nearest);
    });
}

QRect Screen_Area(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
