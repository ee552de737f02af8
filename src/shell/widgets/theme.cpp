#include "shell/widgets/theme.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QPlainTextEdit>

#include <initializer_list>
#include <utility>

QMargins ThemeBox::inset() const
{
    const int width = border.isValid() ? borderWidth : 0;
    // A line along the bottom edge only takes no room from what the box holds.
    const QMargins lines = edges == Edges::All   ? QMargins(width, width, width, width)
                           : edges == Edges::Top ? QMargins(0, width, 0, 0)
                                                 : QMargins();
    return lines + padding;
}

namespace {

// The colours, named once.
namespace Colour {
const QColor Night(0x0b, 0x10, 0x28);       // menu bars and strips of the blue windows
const QColor Moonlight(0xe8, 0xe6, 0xf0);   // plain text on blue
const QColor Gold(0xff, 0xd7, 0x5e);        // headings and links
const QColor Cream(0xff, 0xe9, 0xa8);
const QColor Sky(0x7f, 0xdc, 0xff);
const QColor Ice(0x7f, 0xe9, 0xff);
const QColor Cyan(0x00, 0xe5, 0xff);
const QColor Lilac(0xc9, 0xa7, 0xff);
const QColor Steel(0x39, 0x46, 0x7f);       // thin lines on blue
const QColor Periwinkle(0x7d, 0x8f, 0xe0);  // button borders
const QColor Midnight(0x0c, 0x14, 0x33);    // fields
const QColor Selected(0x3b, 0x4a, 0x8f);
const QColor Wine(0x1d, 0x06, 0x06);        // the display window and the report
const QColor Garnet(0x6e, 0x2a, 0x2a);
const QColor Rose(0xb0, 0x4a, 0x4a);
const QColor White(0xff, 0xff, 0xff);
}  // namespace Colour

QGradientStops stops(std::initializer_list<std::pair<qreal, QColor>> list)
{
    QGradientStops result;
    for (const auto& [at, colour] : list)
        result.append({at, colour});
    return result;
}

// A gradient over the box it fills, from (x1, y1) to (x2, y2) in shares of its size.
QBrush linear(qreal x1, qreal y1, qreal x2, qreal y2, std::initializer_list<std::pair<qreal, QColor>> list)
{
    QLinearGradient gradient(x1, y1, x2, y2);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setStops(stops(list));
    return gradient;
}

QBrush radial(qreal cx, qreal cy, qreal radius, qreal fx, qreal fy, std::initializer_list<std::pair<qreal, QColor>> list)
{
    QRadialGradient gradient(cx, cy, radius, fx, fy);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setStops(stops(list));
    return gradient;
}

QBrush downward(const QColor& top, const QColor& bottom) { return linear(0, 0, 0, 1, {{0, top}, {1, bottom}}); }

ThemeBox box(const QBrush& fill, const QColor& border = QColor(), int radius = 0, QMargins padding = {},
             ThemeBox::Edges edges = ThemeBox::Edges::All)
{
    return ThemeBox{fill, border, border.isValid() ? 1 : 0, edges, radius, padding};
}

// The strips along a window's top and bottom edge.
const QBrush Banner_Purple = linear(0, 0, 1, 0, {{0, QColor(0x2b, 0x0f, 0x3f)}, {0.5, QColor(0x4a, 0x1d, 0x6b)}, {1, QColor(0x2b, 0x0f, 0x3f)}});
const QBrush Gold_Button = downward(QColor(0xc7, 0x9a, 0x2a), QColor(0x8a, 0x65, 0x11));
const QBrush Blue_Button = downward(QColor(0x3b, 0x4a, 0x8f), QColor(0x24, 0x30, 0x6a));
const QBrush Blue_Button_Hover = downward(QColor(0x50, 0x62, 0xb5), QColor(0x2f, 0x3d, 0x85));
const QBrush Blue_Button_Pressed = QColor(0x1c, 0x26, 0x55);

// --- menus ---------------------------------------------------------------------------------

const ThemeMenus Blue_Menus{Colour::Night, Colour::Moonlight, QColor(), Colour::Selected, 0, QMargins(),
                            QColor(0x14, 0x1c, 0x40), Colour::Steel, 0, Colour::Selected, false};
const ThemeMenus Divination_Menus{QColor(0x0b, 0x12, 0x32), Colour::Moonlight, QColor(0x27, 0x33, 0x6b),
                                  QColor(0x2a, 0x35, 0x66), 4, QMargins(10, 4, 10, 4),
                                  QColor(0x11, 0x1a, 0x3d), Colour::Steel, 0, QColor(0x2a, 0x35, 0x66), true};
const ThemeMenus Healing_Menus{QColor(0x0b, 0x11, 0x28), QColor(0xe8, 0xec, 0xff), QColor(0x2a, 0x35, 0x66),
                               QColor(0x2f, 0x3d, 0x85), 4, QMargins(12, 4, 12, 4),
                               QColor(0x11, 0x1a, 0x3a), Colour::Steel, 4, Colour::Selected, true};

// --- lists and scroll bars -----------------------------------------------------------------

const ThemeItems Entry_Items{QColor(0x2f, 0x4a, 0xa0), Colour::White, 0, 22, QMargins(6, 0, 6, 0), {}, {}};
const ThemeItems Place_Items{QColor(0x2f, 0x4a, 0xa0), Colour::White, 0, 22, QMargins(), {}, {}};
// The rows' text keeps the desktop style's own margin.
const ThemeItems Healing_Items{QColor(0x6a, 0x3f, 0xa0), Colour::White, 4, 0, QMargins(0, 1, 0, 1), {}, {}};
const ThemeItems Healing_Drop_Items{QColor(0x6a, 0x3f, 0xa0), QColor(0xf2, 0xf4, 0xff), 0, 0, QMargins(), {}, {}};
const ThemeItems Found_Items{QColor(0x6a, 0x3f, 0xa0), Colour::White, 4, 0, QMargins(22, 2, 6, 2), Colour::Gold, QMargins(6, 2, 6, 2)};

const ThemeScrollBar Body_Bars{Colour::Night, 12, 0, Colour::Selected, 4, 2, 28};
const ThemeScrollBar Healing_Bars{QColor(0x0a, 0x0f, 0x26), 12, 2, Colour::Selected, 4, 0, 24};
const ThemeScrollBar Display_Bars{QColor(0x2a, 0x09, 0x09), 14, 0, Colour::Rose, 5, 2, 28};

// --- the looks -----------------------------------------------------------------------------

ThemeLook text(const QColor& colour, qreal pointSize = 0, int bold = -1)
{
    ThemeLook look;
    look.text = colour;
    look.pointSize = pointSize;
    look.bold = bold;
    return look;
}

ThemeLook link(const QColor& colour, qreal pointSize = 0)
{
    ThemeLook look = text(colour, pointSize);
    look.underline = true;
    return look;
}

ThemeLook panel(const ThemeBox& shape)
{
    ThemeLook look;
    look.box = shape;
    return look;
}

ThemeLook menus(const ThemeMenus& menus)
{
    ThemeLook look = text(menus.text);
    look.menus = &menus;
    return look;
}

ThemeLook button(const QBrush& fill, const QBrush& hover, const QBrush& pressed, const QColor& border, int radius,
                 QMargins padding, qreal pointSize = 0)
{
    ThemeLook look = text(Colour::White, pointSize, 1);
    look.box = box(fill, border, radius, padding);
    look.hoverFill = hover;
    look.pressedFill = pressed;
    return look;
}

ThemeLook group(const QColor& title, const ThemeBox& frame, int paddingTop, int titleLeft, int titlePadding,
                qreal pointSize = 0)
{
    ThemeLook look;
    look.titlePointSize = pointSize;
    look.box = frame;
    look.box.padding = QMargins(frame.padding.left(), paddingTop, frame.padding.right(), frame.padding.bottom());
    look.groupMarginTop = 12;
    look.titleLeft = titleLeft;
    look.titlePadding = titlePadding;
    look.titleText = title;
    return look;
}

ThemeLook choice(const QColor& colour, qreal pointSize, int spacing, QMargins padding = {})
{
    ThemeLook look = text(colour, pointSize, pointSize ? -1 : 0);
    look.labelSpacing = spacing;
    look.roundIndicators = true;
    look.box.padding = padding;
    return look;
}

ThemeLook field(const QColor& fill, const QColor& border, int radius, QMargins padding, const QColor& focus,
                qreal pointSize = 0)
{
    ThemeLook look = text(QColor(0xf2, 0xf4, 0xff), pointSize);
    look.box = box(fill, border, radius, padding);
    look.focusBorder = focus;
    return look;
}

const ThemeLook* keep(ThemeLook look)
{
    return new ThemeLook(std::move(look));  // made once for each kind of control, for the program's life
}

bool named(const QWidget* widget, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (widget->objectName() == QLatin1String(name))
            return true;
    return false;
}

QString roleOf(const QWidget* widget) { return widget->property("role").toString(); }

// The window a control belongs to: its program window, through the pop-ups it opens.
QString windowOf(const QWidget* widget)
{
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (qobject_cast<const QMessageBox*>(at))
            return QStringLiteral("QMessageBox");
        if (at->objectName().startsWith(QLatin1String("frm")))
            return at->objectName();
    }
    return {};
}

template <typename T>
bool inside(const QWidget* widget)
{
    for (const QWidget* at = widget->parentWidget(); at; at = at->parentWidget())
        if (qobject_cast<const T*>(at))
            return true;
    return false;
}

// --- the launcher ----------------------------------------------------------------------------

const ThemeLook* launcherLook(const QWidget* w)
{
    static const ThemeLook* Menus = keep(menus(Blue_Menus));
    static const ThemeLook* Top_Strip = keep(panel(box(Banner_Purple, QColor(0x8e, 0x5c, 0xc4), 0, {}, ThemeBox::Edges::Bottom)));
    static const ThemeLook* Button_Strip = keep(panel(box(downward(QColor(0x1b, 0x24, 0x50), QColor(0x0e, 0x14, 0x30)), Colour::Steel, 0, {}, ThemeBox::Edges::Bottom)));
    static const ThemeLook* Bottom_Strip = keep(panel(box(QColor(0x0e, 0x14, 0x30), Colour::Steel, 0, {}, ThemeBox::Edges::Top)));
    static const ThemeLook* Banner = keep(link(Colour::Cream, 11));
    static const ThemeLook* Link = keep(link(Colour::Gold));
    static const ThemeLook* Button = keep(button(Blue_Button, Blue_Button_Hover, Blue_Button_Pressed, Colour::Periwinkle, 8, QMargins(18, 8, 18, 8)));
    static const ThemeLook* Donate = keep(button(Gold_Button, Blue_Button_Hover, Blue_Button_Pressed, Colour::Gold, 8, QMargins(18, 8, 18, 8)));
    // The captions of the welcome panel: the title, the welcome, the programs and their names.
    static const ThemeLook* Captions[] = {
        keep(text(QColor(0x00, 0xff, 0xff), 22, 1)), keep(text(QColor(0xff, 0x30, 0x30), 11)),
        keep(text(QColor(0x00, 0xff, 0xff), 14)),    keep(text(QColor(0xff, 0xff, 0x00), 15, 1)),
        keep(text(QColor(0xff, 0x00, 0xff), 15, 1)), keep(text(QColor(0x00, 0xff, 0x00), 15, 1))};
    static const ThemeLook* Underlined_Captions[] = {
        keep(link(QColor(0xff, 0xff, 0x00), 15)), keep(link(QColor(0xff, 0x00, 0xff), 15)), keep(link(QColor(0x00, 0xff, 0x00), 15))};

    if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w))
        return Menus;
    if (named(w, {"Picture6"}))
        return Top_Strip;
    if (named(w, {"Picture1"}))
        return Button_Strip;
    if (named(w, {"PicCoBrand"}))
        return Bottom_Strip;
    if (named(w, {"lblQuillmereBanner"}))
        return Banner;
    if (named(w, {"Label7"}))
        return Link;
    if (named(w, {"cmdMDIDonate"}))
        return Donate;
    if (qobject_cast<const QPushButton*>(w))
        return Button;
    const QString name = w->objectName();
    if (name.startsWith(QLatin1String("lblCaption_"))) {
        const int index = name.mid(11).toInt();
        if (index < 0 || index > 5)
            return nullptr;
        if (index >= 3 && w->property("underlined").toBool())
            return Underlined_Captions[index - 3];
        return Captions[index];
    }
    return nullptr;
}

// --- the about box and the donation window -------------------------------------------------

const ThemeLook* aboutLook(const QWidget* w)
{
    static const ThemeLook* Window = keep(panel(box(downward(QColor(0x10, 0x1a, 0x3a), QColor(0x05, 0x07, 0x0f)))));
    static const ThemeLook* Title = keep(text(QColor(0x00, 0xff, 0xff), 18, 1));
    static const ThemeLook* Copyright = keep(text(QColor(0xb8, 0xb4, 0xc8), 8));
    static const ThemeLook* Link = keep(link(Colour::Gold));
    static const ThemeLook* Label = keep(text(Colour::Moonlight));
    static const ThemeLook* Button = [] {
        ThemeLook look = button(QColor(0x2a, 0x35, 0x66), QColor(0x3a, 0x4a, 0x8a), QColor(0x2a, 0x35, 0x66), QColor(0x6f, 0x7f, 0xc7), 6, QMargins(22, 6, 22, 6));
        look.bold = -1;
        return keep(look);
    }();
    if (w->isWindow())
        return Window;
    if (named(w, {"lblTitle"}))
        return Title;
    if (named(w, {"lblCopyright"}))
        return Copyright;
    if (w->inherits("LinkLabel"))
        return Link;
    if (qobject_cast<const QLabel*>(w))
        return Label;
    if (qobject_cast<const QPushButton*>(w))
        return Button;
    return nullptr;
}

const ThemeLook* donationLook(const QWidget* w)
{
    static const ThemeLook* Window = keep(panel(box(downward(QColor(0x10, 0x1a, 0x3a), QColor(0x05, 0x07, 0x0f)))));
    static const ThemeLook* Heading = keep(text(Colour::Gold, 15, 1));
    static const ThemeLook* Label = keep(text(Colour::Moonlight, 10));
    static const ThemeLook* Choice = keep(choice(Colour::Moonlight, 10, -1));
    static const ThemeLook* Group = [] {
        ThemeLook look = group(QColor(0x00, 0xff, 0xff), box(Qt::NoBrush, Colour::Steel, 8, QMargins(10, 10, 10, 10)), 10, 12, 4);
        look.titleBold = false;
        return keep(look);
    }();
    static const ThemeLook* Button = [] {
        ThemeLook look = button(QColor(0x2a, 0x35, 0x66), QColor(0x2a, 0x35, 0x66), QColor(0x2a, 0x35, 0x66), QColor(0x6f, 0x7f, 0xc7), 6, QMargins(18, 6, 18, 6));
        look.bold = -1;
        return keep(look);
    }();
    static const ThemeLook* Donate = keep(button(Gold_Button, Gold_Button, Gold_Button, Colour::Gold, 6, QMargins(18, 6, 18, 6)));
    if (w->isWindow())
        return Window;
    if (named(w, {"lblHeading"}))
        return Heading;
    if (qobject_cast<const QRadioButton*>(w))
        return Choice;
    if (qobject_cast<const QLabel*>(w))
        return Label;
    if (qobject_cast<const QGroupBox*>(w))
        return Group;
    if (named(w, {"cmdDonate"}))
        return Donate;
    if (qobject_cast<const QPushButton*>(w))
        return Button;
    return nullptr;
}

// --- Crystal Divination ----------------------------------------------------------------------

const ThemeLook* divinationLook(const QWidget* w)
{
    static const ThemeLook* Menus = keep(menus(Divination_Menus));
    static const ThemeLook* Body = keep(panel(box(linear(0, 0, 0.35, 1, {{0, QColor(0x13, 0x1d, 0x45)}, {0.55, QColor(0x0a, 0x10, 0x30)}, {1, QColor(0x03, 0x05, 0x10)}}))));
    static const ThemeLook* Label = keep(text(Colour::Moonlight));
    static const ThemeLook* Link = [] {
        ThemeLook look = link(Colour::Sky, 10);
        look.text = QColor(0x7f, 0xd8, 0xff);
        look.hoverText = Colour::Gold;
        return keep(look);
    }();
    static const ThemeLook* Banner = [] {
        ThemeLook look = *Link;
        look.pointSize = 11;
        return keep(look);
    }();
    static const ThemeLook* Steps = [] {
        ThemeLook look = text(QColor(0xc9, 0xb8, 0xff), 14);
        look.italic = true;
        look.families = {QStringLiteral("DejaVu Serif"), QStringLiteral("Georgia"), QStringLiteral("serif")};
        return keep(look);
    }();
    static const ThemeLook* Name = [] {
        ThemeLook look = text(Colour::Gold, 22, 1);
        look.families = {QStringLiteral("DejaVu Serif"), QStringLiteral("Georgia"), QStringLiteral("serif")};
        return keep(look);
    }();
    static const ThemeLook* Reading = keep(text(QColor(0xec, 0xeb, 0xf5), 12));
    static const ThemeLook* Crystal = [] {
        ThemeLook look = panel(box(radial(0.5, 0.45, 0.75, 0.5, 0.4, {{0, QColor(0x3a, 0x3f, 0x8f)}, {0.6, QColor(0x1a, 0x1f, 0x52)}, {1, QColor(0x0b, 0x0f, 0x2c)}}), QColor(0x6d, 0x5b, 0xd0), 22));
        look.box.borderWidth = 2;
        return keep(look);
    }();
    static const ThemeLook* Reading_Frame = keep(panel(box(QColor(255, 255, 255, 10), QColor(199, 154, 42, 110), 16)));
    static const ThemeLook* Refresh = keep(button(Gold_Button, downward(QColor(0xdc, 0xb0, 0x40), QColor(0x9c, 0x74, 0x18)), QColor(0x8a, 0x65, 0x11), Colour::Gold, 8, QMargins(30, 7, 30, 7), 11));

    if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w))
        return Menus;
    if (named(w, {"centralWidget"}))
        return Body;
    if (named(w, {"Label14"}))
        return Banner;
    if (w->inherits("LinkLabel"))
        return Link;
    if (named(w, {"lblLabel_0", "lblLabel_1", "lblLabel_2"}))
        return Steps;
    if (named(w, {"lblCrystalName"}))
        return Name;
    if (named(w, {"lblCrystalDesc"}))
        return Reading;
    if (qobject_cast<const QLabel*>(w))
        return Label;
    if (named(w, {"fraCrystal"}))
        return Crystal;
    if (named(w, {"fraReading"}))
        return Reading_Frame;
    if (named(w, {"cmdRefresh"}))
        return Refresh;
    return nullptr;
}

// --- Zev Gemology's entry window --------------------------------------------------------------

const ThemeLook* entryLook(const QWidget* w)
{
    static const ThemeLook* Menus = keep(menus(Blue_Menus));
    static const ThemeLook* Body = keep(panel(box(linear(0, 0, 0, 1, {{0, QColor(0x14, 0x1d, 0x46)}, {0.5, QColor(0x0a, 0x0f, 0x28)}, {1, QColor(0x02, 0x03, 0x08)}}))));
    static const ThemeLook* Label = keep(text(Colour::Moonlight));
    static const ThemeLook* Title = keep(text(Colour::Gold, 22, 1));
    static const ThemeLook* Subtitle = [] {
        ThemeLook look = text(Colour::Sky);
        look.italic = true;
        return keep(look);
    }();
    static const ThemeLook* Heading = keep(text(Colour::Gold, 11, 1));
    static const ThemeLook* Unit = keep(text(QColor(0x9f, 0xb0, 0xe8)));
    static const ThemeLook* Explain = keep(text(Colour::Sky));
    static const ThemeLook* Main = keep(panel(box(QColor(12, 18, 46, 200), Colour::Steel, 12)));
    static const ThemeLook* Panel = keep(panel(box(QColor(27, 36, 80, 150), QColor(0x2f, 0x3d, 0x7a), 9)));
    static const ThemeLook* Group = [] {
        ThemeLook look = group(Colour::Cyan, box(QColor(14, 22, 56, 170), QColor(0x35, 0x49, 0x8f), 8), 6, 12, 5);
        return keep(look);
    }();
    static const ThemeLook* Field = [] {
        ThemeLook look = field(Colour::Midnight, QColor(0x4a, 0x5a, 0xa0), 5, QMargins(6, 3, 6, 3), Colour::Cyan);
        look.text = Colour::White;
        look.selection = QColor(0x2f, 0x6f, 0xd0);
        look.minContentHeight = 20;
        look.items = &Entry_Items;
        look.listPopup = true;
        return keep(look);
    }();
    static const ThemeLook* Drop_List = [] {
        ThemeLook look = panel(box(Colour::Midnight, QColor(0x4a, 0x5a, 0xa0)));
        look.text = Colour::White;
        look.items = &Entry_Items;
        return keep(look);
    }();
    static const ThemeLook* Places = [] {
        ThemeLook look = panel(box(Colour::Midnight, Colour::Cyan));
        look.text = Colour::White;
        look.items = &Place_Items;
        return keep(look);
    }();
    static const ThemeLook* Choice = [] {
        ThemeLook look = choice(Colour::Moonlight, 0, 7);
        look.hoverBorder = Colour::Cyan;
        return keep(look);
    }();
    static const ThemeLook* Button = [] {
        ThemeLook look = button(Blue_Button, Blue_Button_Hover, Blue_Button_Pressed, Colour::Periwinkle, 8, QMargins(16, 7, 16, 7));
        look.focusBorder = Colour::Cyan;
        return keep(look);
    }();
    static const ThemeLook* Reading_Button = [] {
        ThemeLook look = button(downward(QColor(0xe3, 0xb6, 0x40), QColor(0x8a, 0x65, 0x11)), downward(QColor(0xf4, 0xcc, 0x5c), QColor(0xa2, 0x7a, 0x1c)),
                                QColor(0x7a, 0x5a, 0x10), QColor(0xff, 0xe0, 0x8a), 8, QMargins(34, 10, 34, 10), 12);
        look.text = QColor(0x1b, 0x13, 0x00);
        look.focusBorder = Colour::Cyan;
        return keep(look);
    }();
    static const ThemeLook* Co_Brand = keep(panel(box(Colour::Night, Colour::Steel, 0, {}, ThemeBox::Edges::Top)));
    static const ThemeLook* Link = keep(link(Colour::Gold));

    if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w))
        return Menus;
    if (named(w, {"centralWidget"}))
        return Body;
    if (named(w, {"lstPlacesRows"}))
        return Places;
    if (qobject_cast<const QAbstractItemView*>(w) && inside<QComboBox>(w))
        return Drop_List;
    if (w->inherits("LinkLabel"))
        return Link;
    if (named(w, {"lblTitle"}))
        return Title;
    if (named(w, {"lblSubtitle"}))
        return Subtitle;
    if (named(w, {"lblExplain"}))
        return Explain;
    if (qobject_cast<const QLabel*>(w)) {
        const QString role = roleOf(w);
        return role == QLatin1String("heading") ? Heading : role == QLatin1String("unit") ? Unit : Label;
    }
    if (named(w, {"fraMain"}))
        return Main;
    if (named(w, {"fraCoBrand"}))
        return Co_Brand;
    if (roleOf(w) == QLatin1String("panel"))
        return Panel;
    if (qobject_cast<const QGroupBox*>(w))
        return Group;
    if (qobject_cast<const QLineEdit*>(w) && !inside<QComboBox>(w))
        return Field;
    if (qobject_cast<const QComboBox*>(w))
        return Field;
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w))
        return Choice;
    if (named(w, {"cmdRashi"}))
        return Reading_Button;
    if (qobject_cast<const QPushButton*>(w))
        return Button;
    return nullptr;
}

// --- the display window and the report -------------------------------------------------------

const QStringList Display_Families{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")};

ThemeLook displayFont(ThemeLook look)
{
    look.families = Display_Families;
    return look;
}

ThemeLook redButton()
{
    return displayFont(button(QColor(0x5a, 0x14, 0x14), QColor(0x7a, 0x1c, 0x1c), QColor(0x40, 0x10, 0x10), QColor(0xc0, 0x60, 0x60), 6, QMargins(22, 6, 22, 6)));
}

const ThemeLook* displayLook(const QWidget* w)
{
    static const ThemeLook* Plain = keep(displayFont(ThemeLook()));
    static const ThemeLook* Menus = keep(displayFont(menus(Blue_Menus)));
    static const ThemeLook* Body = keep(displayFont(panel(box(Colour::Wine))));
    static const ThemeLook* Strip = keep(displayFont(panel(box(QColor(0x2a, 0x09, 0x09), Colour::Garnet, 4))));
    static const ThemeLook* Link = keep(displayFont(link(Colour::Gold)));
    static const ThemeLook* Banner = keep(displayFont(link(Colour::Gold, 11)));
    static const QColor Sign_Fills[] = {QColor(116, 16, 16), QColor(99, 14, 14), QColor(64, 0, 0)};
    static const ThemeLook* Groups[3];
    static const ThemeLook* Abouts[3];
    if (!Groups[0])
        for (int tab = 0; tab < 3; ++tab) {
            Groups[tab] = keep(displayFont(group(Colour::White, box(Sign_Fills[tab], Colour::Rose, 4), 10, 12, 4)));
            ThemeLook about = displayFont(field(Sign_Fills[tab], Colour::Rose, 0, QMargins(), QColor(), 10));
            about.text = QColor(0, 255, 255);
            about.scrollBars = &Display_Bars;
            Abouts[tab] = keep(about);
        }
    static const ThemeLook* Caption = keep(displayFont(text(QColor(0, 255, 0), 0, 1)));
    static const ThemeLook* Picture_Caption = keep(displayFont(text(QColor(255, 215, 0), 0, 1)));
    static const ThemeLook* Value = keep(displayFont(text(QColor(0, 255, 255), 0, 1)));
    static const ThemeLook* Note = keep(displayFont(text(QColor(255, 235, 170))));
    static const ThemeLook* Button = keep(redButton());

    if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w))
        return Menus;
    if (named(w, {"centralWidget"}))
        return Body;
    if (named(w, {"fraBanner", "fraCommands"}))
        return Strip;
    if (named(w, {"Label61"}))
        return Banner;
    if (w->inherits("LinkLabel"))
        return Link;
    const int sign = named(w, {"fraBirthStone", "txtBirthStoneAbout"}) ? 0
                     : named(w, {"fraSunSign", "txtSunSignAbout"})  ? 1
                     : named(w, {"fraMoonSign", "txtMoonSignAbout"}) ? 2
                                                                       : -1;
    if (sign >= 0)
        return qobject_cast<const QGroupBox*>(w) ? Groups[sign] : Abouts[sign];
    if (qobject_cast<const QLabel*>(w)) {
        const QString role = roleOf(w);
        if (role == QLatin1String("caption"))
            return Caption;
        if (role == QLatin1String("picture-caption"))
            return Picture_Caption;
        if (role == QLatin1String("value"))
            return Value;
        if (role == QLatin1String("note"))
            return Note;
        return Plain;
    }
    if (qobject_cast<const QPushButton*>(w))
        return Button;
    return Plain;
}

const ThemeLook* reportLook(const QWidget* w)
{
    static const ThemeLook* Window = keep(panel(box(Colour::Wine)));
    static const ThemeLook* Label = keep(displayFont(ThemeLook()));
    static const ThemeLook* Link = keep(displayFont(link(Colour::Gold)));
    static const ThemeLook* Banner = keep(displayFont(link(Colour::Gold, 11)));
    static const ThemeLook* Report = keep(panel(box(Colour::White, Colour::Rose)));
    static const ThemeLook* Button = keep(redButton());
    if (w->isWindow())
        return Window;
    if (named(w, {"Label1"}))
        return Banner;
    if (w->inherits("LinkLabel"))
        return Link;
    if (qobject_cast<const QLabel*>(w))
        return Label;
    if (named(w, {"RTB"}))
        return Report;
    if (qobject_cast<const QPushButton*>(w))
        return Button;
    return nullptr;
}

// --- Crystal Healing -----------------------------------------------------------------------

const ThemeLook* healingLook(const QWidget* w)
{
    static const QColor Ink(0xf2, 0xf4, 0xff);
    static const ThemeLook* Menus = keep(menus(Healing_Menus));
    static const ThemeLook* Body = keep(panel(box(linear(0, 0, 0, 1, {{0, QColor(0x0d, 0x14, 0x33)}, {0.55, QColor(0x07, 0x0b, 0x1f)}, {1, QColor(0x02, 0x03, 0x09)}}))));
    static const ThemeLook* Label = keep(text(QColor(0xdf, 0xe5, 0xfb), 10));
    static const ThemeLook* Banner_Strip = keep(panel(box(Banner_Purple, QColor(0x8e, 0x5c, 0xc4), 0, {}, ThemeBox::Edges::Bottom)));
    static const ThemeLook* Banner = keep(link(Colour::Cream, 10));
    static const ThemeLook* Title = keep(text(Colour::Ice, 21, 1));
    static const ThemeLook* Welcome = keep(text(QColor(0xff, 0x9a, 0x9a), 10));
    static const ThemeLook* Notice = [] {
        ThemeLook look = text(QColor(0x9f, 0xb0, 0xd8), 9);
        look.italic = true;
        return keep(look);
    }();
    static const ThemeLook* Promotions = keep(panel(box(QColor(0x0b, 0x11, 0x28), QColor(0x2a, 0x35, 0x66), 0, {}, ThemeBox::Edges::Top)));
    static const ThemeLook* Link = keep(link(Colour::Gold, 10));
    static const ThemeLook* Page = keep(panel(box(radial(0.3, 0.2, 1.1, 0.3, 0.2, {{0, QColor(0x1a, 0x24, 0x52)}, {1, QColor(0x08, 0x0c, 0x20)}}), QColor(0x3a, 0x4a, 0x8a), 14)));
    static const ThemeLook* Heading = keep(text(Colour::Gold, 11, 1));
    static const ThemeLook* How_To = keep(text(Colour::Lilac, 15, 1));  // a heading, larger
    static const ThemeLook* How_To_Text = keep(text(QColor(0xe6, 0xe9, 0xf7), 11));
    static const ThemeLook* Description = [] {
        ThemeLook look = text(QColor(0xf3, 0xf0, 0xff), 11);
        look.box = box(QColor(120, 140, 255, 18), QColor(0x2c, 0x38, 0x70), 10, QMargins(12, 12, 12, 12));
        return keep(look);
    }();
    static const ThemeLook* Group = [] {
        ThemeLook look = group(Colour::Ice, box(QColor(90, 40, 140, 46), QColor(0x8e, 0x5c, 0xc4), 12), 0, 14, 6, 11);
        return keep(look);
    }();
    static const ThemeLook* Choice = keep(choice(QColor(0xee, 0xf0, 0xff), 10, 10, QMargins(0, 3, 0, 3)));
    static const ThemeLook* Drop_Down = [] {
        ThemeLook look = field(QColor(0x0a, 0x0f, 0x26), QColor(0x4a, 0x5a, 0xa0), 6, QMargins(10, 5, 10, 5), Colour::Ice, 10);
        look.text = Ink;
        look.items = &Healing_Drop_Items;
        return keep(look);
    }();
    static const ThemeLook* Drop_List = [] {
        ThemeLook look = panel(box(QColor(0x0e, 0x15, 0x34), QColor(0x4a, 0x5a, 0xa0)));
        look.text = Ink;
        look.items = &Healing_Drop_Items;
        look.scrollBars = &Healing_Bars;
        return keep(look);
    }();
    static const ThemeLook* Find = [] {
        ThemeLook look = field(QColor(0x0a, 0x0f, 0x26), QColor(0x4a, 0x5a, 0xa0), 6, QMargins(10, 5, 10, 5), Colour::Ice, 10);
        look.text = Ink;
        return keep(look);
    }();
    static const ThemeLook* List = [] {
        ThemeLook look = field(QColor(0x0a, 0x0f, 0x26), QColor(0x3a, 0x4a, 0x8a), 8, QMargins(4, 4, 4, 4), QColor(), 10);
        look.text = Ink;
        look.items = &Healing_Items;
        look.scrollBars = &Healing_Bars;
        return keep(look);
    }();
    static const ThemeLook* Found = [] {
        ThemeLook look = *List;
        look.box.fill = QColor(0x0e, 0x15, 0x34);
        look.box.border = Colour::Ice;
        look.items = &Found_Items;
        return keep(look);
    }();
    static const ThemeLook* About = [] {
        ThemeLook look = *List;
        look.box.padding = QMargins(8, 8, 8, 8);
        return keep(look);
    }();
    static const ThemeLook* In_Readings = [] {
        ThemeLook look = text(Colour::Lilac, 9);
        look.italic = true;
        return keep(look);
    }();
    static const ThemeLook* Button = keep(button(Blue_Button, Blue_Button_Hover, Blue_Button_Pressed, Colour::Periwinkle, 8, QMargins(24, 7, 24, 7), 10));
    static const ThemeLook* Next = keep(button(downward(QColor(0x8e, 0x5c, 0xc4), QColor(0x5a, 0x2d, 0x8c)), Blue_Button_Hover, Blue_Button_Pressed, Colour::Lilac, 8, QMargins(24, 7, 24, 7), 10));

    if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w))
        return Menus;
    if (named(w, {"centralWidget"}))
        return Body;
    if (named(w, {"fraBanner"}))
        return Banner_Strip;
    if (named(w, {"fraPromotions"}))
        return Promotions;
    if (qobject_cast<const QAbstractItemView*>(w) && inside<QComboBox>(w))
        return Drop_List;
    if (named(w, {"Label14"}))
        return Banner;
    if (named(w, {"lblCobrand", "lblFullBrand"}))
        return Link;
    if (named(w, {"lblTitle"}))
        return Title;
    if (named(w, {"lblWelcome"}))
        return Welcome;
    if (named(w, {"lblNotice"}))
        return Notice;
    if (named(w, {"lblHowToUse"}))
        return How_To;
    if (named(w, {"lblHowToUseText"}))
        return How_To_Text;
    if (qobject_cast<const QLabel*>(w)) {
        const QString role = roleOf(w);
        return role == QLatin1String("heading")       ? Heading
               : role == QLatin1String("description") ? Description
               : role == QLatin1String("inReadings")  ? In_Readings
                                                      : Label;
    }
    if (qobject_cast<const QFrame*>(w) && qobject_cast<const QStackedWidget*>(w->parentWidget()))
        return Page;
    if (qobject_cast<const QGroupBox*>(w))
        return Group;
    if (qobject_cast<const QRadioButton*>(w))
        return Choice;
    if (qobject_cast<const QComboBox*>(w))
        return Drop_Down;
    if (named(w, {"txtFind"}))
        return Find;
    if (named(w, {"lstFound"}))
        return Found;
    if (qobject_cast<const QPlainTextEdit*>(w))
        return About;
    if (qobject_cast<const QAbstractItemView*>(w))
        return List;
    if (named(w, {"cmdNext"}))
        return Next;
    if (qobject_cast<const QPushButton*>(w))
        return Button;
    return nullptr;
}

// --- the message boxes -----------------------------------------------------------------------

const ThemeLook* messageLook(const QWidget* w)
{
    static const ThemeLook* Window = keep(panel(box(QColor(0x11, 0x19, 0x36))));
    static const ThemeLook* Label = keep(text(QColor(0xf0, 0xee, 0xf8), 10));
    static const ThemeLook* Button = [] {
        ThemeLook look = button(QColor(0x2a, 0x35, 0x66), QColor(0x3a, 0x4a, 0x8a), QColor(0x2a, 0x35, 0x66), QColor(0x6f, 0x7f, 0xc7), 6, QMargins(20, 5, 20, 5));
        look.bold = -1;
        look.minWidth = 60;
        return keep(look);
    }();
    static const ThemeLook* Message = [] {
        ThemeLook look = *Label;
        look.minWidth = 240;
        return keep(look);
    }();
    if (qobject_cast<const QMessageBox*>(w))
        return Window;
    if (named(w, {"qt_msgbox_label"}))
        return Message;
    if (qobject_cast<const QLabel*>(w))
        return Label;
    if (qobject_cast<const QPushButton*>(w))
        return Button;
    return nullptr;
}

// The scroll bars of a scrolled window body, and of the controls that scroll in it.
const ThemeLook* scrollBarLook(const QWidget* w)
{
    static const ThemeLook* Body = [] {
        ThemeLook look;
        look.scrollBars = &Body_Bars;
        return keep(look);
    }();
    const QWidget* area = w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr;
    if (area && area->objectName().endsWith(QLatin1String("Scroll")))
        return Body;
    for (const QWidget* at = w->parentWidget(); at; at = at->parentWidget())
        if (const ThemeLook* look = Theme::Look_Of(at); look && look->scrollBars) {
            static QHash<const ThemeScrollBar*, const ThemeLook*> looks;
            const ThemeLook*& bars = looks[look->scrollBars];
            if (!bars) {
                ThemeLook barLook;
                barLook.scrollBars = look->scrollBars;
                bars = keep(barLook);
            }
            return bars;
        }
    return nullptr;
}

const ThemeLook* lookFor(const QWidget* w)
{
    // The place finder's list is a window of its own, opened over the entry window's City.
    const QString window = w->objectName() == QLatin1String("lstPlacesRows") ? QStringLiteral("frmGemologyMain") : windowOf(w);
    if (window == QLatin1String("frmMDI"))
        return launcherLook(w);
    if (window == QLatin1String("frmAbout"))
        return aboutLook(w);
    if (window == QLatin1String("frmDonate"))
        return donationLook(w);
    if (window == QLatin1String("frmCrystalDivinationMain"))
        return divinationLook(w);
    if (window == QLatin1String("frmGemologyMain"))
        return entryLook(w);
    if (window == QLatin1String("frmGemologyDisplay"))
        return displayLook(w);
    if (window == QLatin1String("frmGemologySave"))
        return reportLook(w);
    if (window == QLatin1String("frmCrystalHealingMain"))
        return healingLook(w);
    if (window == QLatin1String("QMessageBox"))
        return messageLook(w);
    return nullptr;
}

constexpr char Look_Property[] = "zevThemeLook";

void setColour(QPalette& palette, std::initializer_list<QPalette::ColorRole> roles, const QColor& colour)
{
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
}

}  // namespace

namespace Theme {

const ThemeLook* Look_Of(const QWidget* widget)
{
    // A scroll bar is made with its scroll area, before the area is named and placed: it takes
    // the look of where it is at the moment it is drawn or measured.
    if (qobject_cast<const QScrollBar*>(widget))
        return scrollBarLook(widget);
    return widget ? reinterpret_cast<const ThemeLook*>(widget->property(Look_Property).value<quintptr>()) : nullptr;
}

void Dress(QWidget* widget)
{
    const ThemeLook* look = lookFor(widget);
    widget->setProperty(Look_Property, QVariant::fromValue(reinterpret_cast<quintptr>(look)));
    if (!look)
        return;
    if (look->minWidth > 0)
        widget->setMinimumWidth(look->minWidth + (qobject_cast<QPushButton*>(widget) ? look->box.inset().left() + look->box.inset().right() : 0));
    if (look->text.isValid() || look->selection.isValid() || look->hasBox()) {
        QPalette palette = widget->palette();
        if (look->text.isValid()) {
            setColour(palette, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, look->text);
            QColor hint = look->text;
            hint.setAlpha(128);
            setColour(palette, {QPalette::PlaceholderText}, hint);
        }
        if (look->selection.isValid())
            setColour(palette, {QPalette::Highlight}, look->selection);
        if (look->items) {
            setColour(palette, {QPalette::Highlight}, look->items->selectedFill);
            setColour(palette, {QPalette::HighlightedText}, look->items->selectedText);
        }
        if (look->hasBox() && look->box.fill.style() == Qt::SolidPattern && look->box.fill.color().alpha() == 255)
            palette.setBrush(QPalette::Window, look->box.fill);
        widget->setPalette(palette);
    }
    if (look->pointSize > 0 || look->bold >= 0 || look->italic || look->underline || !look->families.isEmpty()) {
        QFont font = widget->font();
        if (look->pointSize > 0)
            font.setPointSizeF(look->pointSize);
        if (look->bold >= 0)
            font.setBold(look->bold == 1);
        if (look->italic)
            font.setItalic(true);
        font.setUnderline(look->underline);
        if (!look->families.isEmpty())
            font.setFamilies(look->families);
        widget->setFont(font);
    }
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        for (QScrollBar* bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
            bar->updateGeometry();
    const bool drawsBox = look->hasBox() && !qobject_cast<QPushButton*>(widget) && !qobject_cast<QLineEdit*>(widget)
                          && !qobject_cast<QComboBox*>(widget);
    if (drawsBox)
        widget->setAttribute(Qt::WA_StyledBackground);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget); area && look->hasBox()) {
        area->viewport()->setAutoFillBackground(false);
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget))
        tabs->tabBar()->setDrawBase(false);
    // Frames and group boxes measure the room their box takes again.
    if (qobject_cast<QFrame*>(widget) || qobject_cast<QGroupBox*>(widget)) {
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &change);
    }
}

const Indicator& Indicator_Look()
{
    static const Indicator look{
        Colour::Midnight, Colour::Periwinkle, Colour::Cyan,
        radial(0.5, 0.5, 0.5, 0.5, 0.5, {{0, QColor(0x7f, 0xf2, 0xff)}, {0.55, QColor(0x00, 0xc8, 0xe0)}, {0.7, Colour::Midnight}, {1, Colour::Midnight}}),
        16, 2};
    return look;
}

const ThemeTabs& Tabs_Look()
{
    static const ThemeTabs look{QColor(0x3a, 0x0c, 0x0c), QColor(0xf0, 0xe0, 0xe0), QColor(0x74, 0x10, 0x10), Colour::White,
                                Colour::Garnet, QMargins(18, 6, 18, 6), Colour::Wine};
    return look;
}

QColor Scroll_Corner() { return Colour::Night; }

}  // namespace Theme
