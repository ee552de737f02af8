#include "support/every_window.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QStyleOptionComboBox>

// Every window as a window manager frames it (run under a real one at 1366x768 and 1024x600,
// see tests/support/under_window_manager): each frame, title bar included, within the screen's
// available area, a sub-program's frame at its top, every control on the screen, the controls
// a window is for shown as it opens, and enough of each reading text to read.
namespace {

using Faults = QStringList;

// The controls that must show as the window opens, unscrolled, on every screen...
const QStringList Shown_On_Every_Screen = {"cmdMdiExit", "cmdRefresh", "cmdNext"};
// ...and those on a common desktop screen (768 pixels high) or larger.
const QStringList Shown_On_Desktop_Screens = {"cmdRashi", "cmdPrint", "cmdBqck"};
// The body texts, and the lines of each that must show at once there; on smaller screens two
// lines of the reading's texts.
const QStringList Reading_Texts = {"txtBirthStoneAbout", "txtSunSignAbout", "txtMoonSignAbout"};
const QStringList Body_Texts = Reading_Texts + QStringList{"txtStoneDesc", "lblCrystalDesc"};
constexpr int Desktop_Height = 768, Desktop_Lines = 5, Small_Screen_Lines = 2;

bool isControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || (widget->focusPolicy() & Qt::TabFocus);
}

// Boxes that scroll their own content and tab pages need only show a part to be used.
bool isContainer(const QWidget* widget)
{
    return qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QTabWidget*>(widget);
}

// Scrolls the area so that the whole control shows, as far as it can.
void scrollTo(QScrollArea* area, const QWidget* control)
{
    const QRect box(control->mapTo(area->widget(), QPoint(0, 0)), control->size());
    const auto bring = [](QScrollBar* bar, int start, int end, int shown) {
        if (end > bar->value() + shown)
            bar->setValue(end - shown);
        if (start < bar->value())
            bar->setValue(start);
    };
    bring(area->horizontalScrollBar(), box.left(), box.right() + 1, area->viewport()->width());
    bring(area->verticalScrollBar(), box.top(), box.bottom() + 1, area->viewport()->height());
}

bool wholeInView(const QWidget* control, const QRect& screen)
{
    return control->visibleRegion().boundingRect() == control->rect() &&
           screen.contains(QRect(control->mapToGlobal(QPoint(0, 0)), control->size()));
}

void scrollToTop(QWidget* window)
{
    for (QAbstractScrollArea* area : window->findChildren<QAbstractScrollArea*>())
        if (qobject_cast<QScrollArea*>(area))
            area->verticalScrollBar()->setValue(0);
}

// The lines of text the user sees at once (the room a text box has for them, whatever it holds
// now), and whether that is all of the text (only a label's).
std::pair<int, bool> linesShown(QWidget* text)
{
    const int spacing = text->fontMetrics().lineSpacing();
    if (auto* box = qobject_cast<QPlainTextEdit*>(text))
        return {box->viewport()->visibleRegion().boundingRect().height() / spacing, false};
    return {text->visibleRegion().boundingRect().height() / spacing, text->visibleRegion().boundingRect() == text->rect()};
}

// Every item of a drop-down list fits the list's field when chosen.
void checkListItems(const QWidget* window, const QString& where, Faults& faults)
{
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        if (!list->isVisible() || list->isEditable())
            continue;
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        for (int item = 0; item < list->count(); ++item)
            if (list->fontMetrics().horizontalAdvance(list->itemText(item)) > room)
                faults << where + QStringLiteral(": \"%1\" is cut in %2").arg(list->itemText(item), list->objectName());
    }
}

void checkView(const WindowView& view, Faults& faults)
{
    QWidget* window = view.window;
    const QRect available = window->screen()->availableGeometry(), screen = window->screen()->geometry();
    const auto settled = [&] {
        const QRect frame = window->frameGeometry();
        return available.contains(frame) && (!view.subProgram || frame.top() == available.top());
    };
    (void)QTest::qWaitFor(settled, 1000);  // the window manager's last move may still be on its way
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);  // laid out at the size the window took
    const QRect frame = window->frameGeometry();
    if (!available.contains(frame))
        faults << view.name + QStringLiteral(": frame %1,%2 %3x%4 beyond the available area")
                                  .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
    if (view.subProgram && frame.top() != available.top())
        faults << view.name + QStringLiteral(": frame's top at %1, not at the top of the screen").arg(frame.top());

    checkListItems(window, view.name, faults);
    scrollToTop(window);
    const bool desktop = screen.height() >= Desktop_Height;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisible())
            continue;
        const QString name = control->objectName();
        if ((Shown_On_Every_Screen.contains(name) || (desktop && Shown_On_Desktop_Screens.contains(name))) && !wholeInView(control, screen))
            faults << view.name + QStringLiteral(": ") + name + QStringLiteral(" does not show as the window opens");
        if ((desktop ? Body_Texts : Reading_Texts).contains(name)) {
            const auto [lines, whole] = linesShown(control);
            if (lines < (desktop ? Desktop_Lines : Small_Screen_Lines) && !whole)
                faults << view.name + QStringLiteral(": ") + name + QStringLiteral(" shows %1 lines").arg(lines);
        }
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisible() || !isControl(control) || control->window() != window)
            continue;
        for (QWidget* up = control->parentWidget(); up; up = up->parentWidget())
            if (auto* area = qobject_cast<QScrollArea*>(up))
                scrollTo(area, control);
        if (isContainer(control) ? control->visibleRegion().isEmpty() : !wholeInView(control, screen))
            faults << view.name + QStringLiteral(": ") + control->objectName() + QStringLiteral(" cannot be reached whole");
    }
    scrollToTop(window);
}

}  // namespace

class TestWindowManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        QWidget probe;
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        QTRY_VERIFY2(probe.frameGeometry() != probe.geometry(), "no window manager frames the windows");
    }

    void everyFrameAndControlIsOnTheScreen()
    {
        Faults faults;
        Visit_Every_Window([&](const WindowView& view) { checkView(view, faults); });
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, above").arg(faults.size())));
    }
};

QTEST_MAIN(TestWindowManager)
#include "test_frmWindowManager.moc"

