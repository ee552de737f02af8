#include "shell/widgets/link_label.h"
#include "shell/widgets/picture_box.h"
#include "support/desktop_palettes.h"
#include "support/every_window.h"

#include <QPlainTextEdit>
#include <QTabBar>
#include <cmath>

// The control that has the keyboard shows it by a ring that stands out from what lies around
// it: along the middle of each side, the ring's edge against the window just outside the
// control at 3:1 or more, in every view of every window, under a light and a dark desktop.
namespace {

using Faults = QStringList;

double luminance(QRgb colour)
{
    const auto linear = [](int value) {
        const double share = value / 255.0;
        return share <= 0.03928 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double contrast(QRgb one, QRgb other)
{
    const double a = luminance(one), b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool takesTheKeyboard(const QWidget* control)
{
    if (qobject_cast<const QTabBar*>(control->parentWidget()))  // the tab bar's own scroll arrows
        return false;
    return (qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QLineEdit*>(control) ||
            qobject_cast<const QComboBox*>(control) || qobject_cast<const PictureBox*>(control) ||
            qobject_cast<const LinkLabel*>(control) || qobject_cast<const QPlainTextEdit*>(control)) &&
           control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus);
}

// The weakest side: along the middle half of each side, the best contrast of the control's two
// outer pixels against the pixel just outside, at its lowest.
double ringContrast(const QImage& image, const QRect& box)
{
    double weakest = 21;
    const auto side = [&](QPoint from, QPoint step, QPoint inward, int length) {
        double lowest = 21;
        for (int at = length / 4; at < length * 3 / 4; ++at) {
            const QPoint edge = from + step * at, outside = edge - inward;
            if (!image.rect().contains(outside) || !image.rect().contains(edge + inward))
                return;  // at the window's edge: nothing around it to stand out from
            const QRgb around = image.pixel(outside);
            lowest = std::min(lowest, std::max(contrast(image.pixel(edge), around), contrast(image.pixel(edge + inward), around)));
        }
        weakest = std::min(weakest, lowest);
    };
    side(box.topLeft(), {1, 0}, {0, 1}, box.width());
    side(box.bottomLeft(), {1, 0}, {0, -1}, box.width());
    side(box.topLeft(), {0, 1}, {1, 0}, box.height());
    side(box.topRight(), {0, 1}, {-1, 0}, box.height());
    return weakest;
}

}  // namespace

class TestFocusRing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QApplication::setPalette(Light_Desktop_Palette()); }

    void theFocusRingStandsOut_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light desktop") << false;
        QTest::newRow("dark desktop") << true;
    }

    void theFocusRingStandsOut()
    {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? Dark_Desktop_Palette() : Light_Desktop_Palette());
        Faults faults;
        Visit_Every_Window([&](const WindowView& view) {
            view.window->activateWindow();  // the focus shows in the window the user is in
            QVERIFY(QTest::qWaitForWindowActive(view.window));
            for (QWidget* control : view.window->findChildren<QWidget*>()) {
                if (!takesTheKeyboard(control) || control->window() != view.window || control->visibleRegion().boundingRect() != control->rect())
                    continue;
                const QRect box(control->mapTo(view.window, QPoint(0, 0)), control->size());
                control->clearFocus();
                const QImage before = view.window->grab().toImage().copy(box);
                control->setFocus(Qt::TabFocusReason);
                const QImage image = view.window->grab().toImage();
                const double measured = ringContrast(image, box);
                if (image.copy(box) == before)
                    faults << QStringLiteral("%1: %2 shows no ring").arg(view.name, control->objectName());
                else if (measured < 3)
                    faults << QStringLiteral("%1: %2 at %3:1").arg(view.name, control->objectName()).arg(measured, 0, 'f', 1);
            }
        });
        faults.removeDuplicates();
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, above").arg(faults.size())));
    }
};

QTEST_MAIN(TestFocusRing)
#include "test_frmFocusRing.moc"
