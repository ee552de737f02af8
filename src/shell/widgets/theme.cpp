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

#include <deque>
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

// Keeps a look for the program's life: one for each kind of control.
const ThemeLook* keep(ThemeLook look)
{
    static std::deque<ThemeLook> kept;  // its looks never move
    return &kept.emplace_back(std::move(look));
}

// Keeps a look after a change the helpers above do not make.
template <typename Change>
const ThemeLook* keep(ThemeLook look, Change change)
{
    change(look);
    return keep(std::move(look));
}

ThemeLook italic(ThemeLook look)
{
    look.italic = true;
    return look;
}

ThemeLook serif(ThemeLook look)
{
    look.families = {QStringLiteral("DejaVu Serif"), QStringLiteral("Georgia"), QStringLiteral("serif")};
    return look;
}

// The plain blue button of the small windows, its text neither bold nor normal of its own.
ThemeLook plainButton(const QColor& hover, QMargins padding)
{
    ThemeLook look = button(QColor(0x2a, 0x35, 0x66), hover, QColor(0x2a, 0x35, 0x66), QColor(0x6f, 0x7f, 0xc7), 6, padding);
    look.bold = -1;
    return look;
}

// A list, or a field with a list, with the text and rows it shows.
ThemeLook listing(ThemeLook look, const QColor& text, const ThemeItems* items, const ThemeScrollBar* bars = nullptr)
{
    look.text = text;
    look.items = items;
    look.scrollBars = bars;
    return look;
}

// --- which control wears which look --------------------------------------------------------

using Test = bool (*)(const QWidget*);

// The controls one row of a window's table is for: those that pass its test, have one of its
// object names and carry its role, as far as the row gives them.
struct Match {
    Match() = default;  // every control
    Match(const char* names) : names(names) {}  // object names, separated by spaces
    Match(Test test, const char* role = nullptr) : test(test), role(role) {}
    Match(const char* names, Test test) : test(test), names(names) {}

    Test test = nullptr;
    const char* names = nullptr;
    const char* role = nullptr;  // the control's "role" property

    bool takes(const QWidget* w) const;
};

bool Match::takes(const QWidget* w) const
{
    if (test && !test(w))
        return false;
    if (role && w->property("role").toString() != QLatin1String(role))
        return false;
    if (!names)
        return true;
    const QString name = w->objectName();
    for (const auto& one : QLatin1String(names).tokenize(QLatin1Char(' ')))
        if (name == one)
            return true;
    return false;
}

struct Row {
    Match match;
    const ThemeLook* look;
};

// The look of the first row that takes the control; null when none does.
template <std::size_t N>
const ThemeLook* pick(const Row (&rows)[N], const QWidget* w)
{
    for (const Row& row : rows)
        if (row.match.takes(w))
            return row.look;
    return nullptr;
}

template <typename T>
bool is(const QWidget* w)
{
    return qobject_cast<const T*>(w);
}

template <typename T>
bool inside(const QWidget* widget)
{
    for (const QWidget* at = widget->parentWidget(); at; at = at->parentWidget())
        if (qobject_cast<const T*>(at))
            return true;
    return false;
}

bool isMenu(const QWidget* w) { return is<QMenuBar>(w) || is<QMenu>(w); }
bool isWindow(const QWidget* w) { return w->isWindow(); }
bool isLink(const QWidget* w) { return w->inherits("LinkLabel"); }
bool isChoice(const QWidget* w) { return is<QRadioButton>(w) || is<QCheckBox>(w); }
bool isDropList(const QWidget* w) { return is<QAbstractItemView>(w) && inside<QComboBox>(w); }
bool isField(const QWidget* w) { return is<QLineEdit>(w) && !inside<QComboBox>(w); }
bool isPage(const QWidget* w) { return is<QFrame>(w) && is<QStackedWidget>(w->parentWidget()); }
bool isUnderlined(const QWidget* w) { return w->property("underlined").toBool(); }

// The window a control belongs to: its program window, through the pop-ups it opens.
QString windowOf(const QWidget* widget)
{
    // The place finder's list is a window of its own, opened over the entry window's City.
    if (widget->objectName() == QLatin1String("lstPlacesRows"))
        return QStringLiteral("frmGemologyMain");
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (qobject_cast<const QMessageBox*>(at))
            return QStringLiteral("QMessageBox");
        if (at->objectName().startsWith(QLatin1String("frm")))
            return at->objectName();
    }
    return {};
}

// --- the launcher ----------------------------------------------------------------------------

const ThemeLook* launcherLook(const QWidget* w)
{
    static const ThemeLook* Menus = keep(menus(Blue_Menus));
    static const ThemeLook* Top_Strip = keep(panel(box(Banner_Purple, QColor(0x8e, 0x5c, 0xc4), 0, {}, ThemeBox::Edges::Bottom)));
    static const ThemeLook* Button_Strip = keep(panel(box(downward(QColor(0x1b, 0x24, 0x50), QColor(0x0e, 0x14, 0x30)), Colour::Steel, 0, {}, ThemeBox::Edges::Bottom)));
    static const ThemeLook* Bottom_Strip = keep(panel(box(QColor(0x0e, 0x14, 0x30), Colour::Steel, 0, {}, ThemeBox::Edges::Top)));
    static const ThemeLook* Button = keep(button(Blue_Button, Blue_Button_Hover, Blue_Button_Pressed, Colour::Periwinkle, 8, QMargins(18, 8, 18, 8)));
    static const ThemeLook* Donate = keep(button(Gold_Button, Blue_Button_Hover, Blue_Button_Pressed, Colour::Gold, 8, QMargins(18, 8, 18, 8)));
    // The captions of the welcome panel: the title, the welcome, the programs and their names,
    // the programs' underlined under the pointer.
    static const Row Rows[] = {
        {isMenu, Menus},
        {"Picture6", Top_Strip},
        {"Picture1", Button_Strip},
        {"PicCoBrand", Bottom_Strip},
        {"lblQuillmereBanner", keep(link(Colour::Cream, 11))},
        {"Label7", keep(link(Colour::Gold))},
        {"cmdMDIDonate", Donate},
        {is<QPushButton>, Button},
        {"lblCaption_0", keep(text(QColor(0x00, 0xff, 0xff), 22, 1))},
        {"lblCaption_1", keep(text(QColor(0xff, 0x30, 0x30), 11))},
        {"lblCaption_2", keep(text(QColor(0x00, 0xff, 0xff), 14))},
        {{"lblCaption_3", isUnderlined}, keep(link(QColor(0xff, 0xff, 0x00), 15))},
        {{"lblCaption_4", isUnderlined}, keep(link(QColor(0xff, 0x00, 0xff), 15))},
        {{"lblCaption_5", isUnderlined}, keep(link(QColor(0x00, 0xff, 0x00), 15))},
        {"lblCaption_3", keep(text(QColor(0xff, 0xff, 0x00), 15, 1))},
        {"lblCaption_4", keep(text(QColor(0xff, 0x00, 0xff), 15, 1))},
        {"lblCaption_5", keep(text(QColor(0x00, 0xff, 0x00), 15, 1))},
        {"lblMoonToday", keep(link(Colour::Cream, 10))},
    };
    return pick(Rows, w);
}

// --- the about box and the donation window -------------------------------------------------

const ThemeLook* aboutLook(const QWidget* w)
{
    static const Row Rows[] = {
        {isWindow, keep(panel(box(downward(QColor(0x10, 0x1a, 0x3a), QColor(0x05, 0x07, 0x0f)))))},
        {"lblTitle", keep(text(QColor(0x00, 0xff, 0xff), 18, 1))},
        {"lblCopyright", keep(text(QColor(0xb8, 0xb4, 0xc8), 8))},
        {isLink, keep(link(Colour::Gold))},
        {is<QLabel>, keep(text(Colour::Moonlight))},
        {is<QPushButton>, keep(plainButton(QColor(0x3a, 0x4a, 0x8a), QMargins(22, 6, 22, 6)))},
    };
    return pick(Rows, w);
}

const ThemeLook* donationLook(const QWidget* w)
{
    static const ThemeLook* Group = keep(group(QColor(0x00, 0xff, 0xff), box(Qt::NoBrush, Colour::Steel, 8, QMargins(10, 10, 10, 10)), 10, 12, 4),
                                         [](ThemeLook& look) { look.titleBold = false; });
    static const Row Rows[] = {
        {isWindow, keep(panel(box(downward(QColor(0x10, 0x1a, 0x3a), QColor(0x05, 0x07, 0x0f)))))},
        {"lblHeading", keep(text(Colour::Gold, 15, 1))},
        {is<QRadioButton>, keep(choice(Colour::Moonlight, 10, -1))},
        {is<QLabel>, keep(text(Colour::Moonlight, 10))},
        {is<QGroupBox>, Group},
        {"cmdDonate", keep(button(Gold_Button, Gold_Button, Gold_Button, Colour::Gold, 6, QMargins(18, 6, 18, 6)))},
        {is<QPushButton>, keep(plainButton(QColor(0x2a, 0x35, 0x66), QMargins(18, 6, 18, 6)))},
    };
    return pick(Rows, w);
}

// --- Crystal Divination ----------------------------------------------------------------------

const ThemeLook* divinationLook(const QWidget* w)
{
    static const ThemeLook Link = [] {
        ThemeLook look = link(QColor(0x7f, 0xd8, 0xff), 10);
        look.hoverText = Colour::Gold;
        return look;
    }();
    static const ThemeLook* Crystal = keep(panel(box(radial(0.5, 0.45, 0.75, 0.5, 0.4, {{0, QColor(0x3a, 0x3f, 0x8f)}, {0.6, QColor(0x1a, 0x1f, 0x52)}, {1, QColor(0x0b, 0x0f, 0x2c)}}), QColor(0x6d, 0x5b, 0xd0), 22)),
                                           [](ThemeLook& look) { look.box.borderWidth = 2; });
    static const Row Rows[] = {
        {isMenu, keep(menus(Divination_Menus))},
        {"centralWidget", keep(panel(box(linear(0, 0, 0.35, 1, {{0, QColor(0x13, 0x1d, 0x45)}, {0.55, QColor(0x0a, 0x10, 0x30)}, {1, QColor(0x03, 0x05, 0x10)}}))))},
        {"Label14", keep(Link, [](ThemeLook& look) { look.pointSize = 11; })},
        {isLink, keep(Link)},
        {"lblLabel_0 lblLabel_1 lblLabel_2", keep(serif(italic(text(QColor(0xc9, 0xb8, 0xff), 14))))},
        {"lblCrystalName", keep(serif(text(Colour::Gold, 22, 1)))},
        {"lblCrystalDesc", keep(text(QColor(0xec, 0xeb, 0xf5), 12))},
        {is<QLabel>, keep(text(Colour::Moonlight))},
        {"fraCrystal", Crystal},
        {"fraReading", keep(panel(box(QColor(255, 255, 255, 10), QColor(199, 154, 42, 110), 16)))},
        {"cmdRefresh", keep(button(Gold_Button, downward(QColor(0xdc, 0xb0, 0x40), QColor(0x9c, 0x74, 0x18)), QColor(0x8a, 0x65, 0x11), Colour::Gold, 8, QMargins(30, 7, 30, 7), 11))},
    };
    return pick(Rows, w);
}

// --- the Moon calendar: the desktop's own light colours, under the program's menu bar ----------

const ThemeLook* moonCalendarLook(const QWidget* w)
{
    static const Row Rows[] = {
        {isMenu, keep(menus(Blue_Menus))},
    };
    return pick(Rows, w);
}

// --- Zev Gemology's entry window --------------------------------------------------------------

const ThemeLook* entryLook(const QWidget* w)
{
    static const ThemeLook* Field = keep(listing(field(Colour::Midnight, QColor(0x4a, 0x5a, 0xa0), 5, QMargins(6, 3, 6, 3), Colour::Cyan), Colour::White, &Entry_Items),
                                         [](ThemeLook& look) {
                                             look.selection = QColor(0x2f, 0x6f, 0xd0);
                                             look.minContentHeight = 20;
                                             look.listPopup = true;
                                         });
    static const ThemeLook* Button = keep(button(Blue_Button, Blue_Button_Hover, Blue_Button_Pressed, Colour::Periwinkle, 8, QMargins(16, 7, 16, 7)),
                                          [](ThemeLook& look) { look.focusBorder = Colour::Cyan; });
    static const ThemeLook* Reading_Button = keep(button(downward(QColor(0xe3, 0xb6, 0x40), QColor(0x8a, 0x65, 0x11)), downward(QColor(0xf4, 0xcc, 0x5c), QColor(0xa2, 0x7a, 0x1c)),
                                                         QColor(0x7a, 0x5a, 0x10), QColor(0xff, 0xe0, 0x8a), 8, QMargins(34, 10, 34, 10), 12),
                                                  [](ThemeLook& look) {
                                                      look.text = QColor(0x1b, 0x13, 0x00);
                                                      look.focusBorder = Colour::Cyan;
                                                  });
    static const Row Rows[] = {
        {isMenu, keep(menus(Blue_Menus))},
        {"centralWidget", keep(panel(box(linear(0, 0, 0, 1, {{0, QColor(0x14, 0x1d, 0x46)}, {0.5, QColor(0x0a, 0x0f, 0x28)}, {1, QColor(0x02, 0x03, 0x08)}}))))},
        {"lstPlacesRows", keep(listing(panel(box(Colour::Midnight, Colour::Cyan)), Colour::White, &Place_Items))},
        {isDropList, keep(listing(panel(box(Colour::Midnight, QColor(0x4a, 0x5a, 0xa0))), Colour::White, &Entry_Items))},
        {isLink, keep(link(Colour::Gold))},
        {"lblTitle", keep(text(Colour::Gold, 22, 1))},
        {"lblSubtitle", keep(italic(text(Colour::Sky)))},
        {"lblExplain", keep(text(Colour::Sky))},
        {{is<QLabel>, "heading"}, keep(text(Colour::Gold, 11, 1))},
        {{is<QLabel>, "unit"}, keep(text(QColor(0x9f, 0xb0, 0xe8)))},
        {is<QLabel>, keep(text(Colour::Moonlight))},
        {"fraMain", keep(panel(box(QColor(12, 18, 46, 200), Colour::Steel, 12)))},
        {"fraCoBrand", keep(panel(box(Colour::Night, Colour::Steel, 0, {}, ThemeBox::Edges::Top)))},
        {{nullptr, "panel"}, keep(panel(box(QColor(27, 36, 80, 150), QColor(0x2f, 0x3d, 0x7a), 9)))},
        {is<QGroupBox>, keep(group(Colour::Cyan, box(QColor(14, 22, 56, 170), QColor(0x35, 0x49, 0x8f), 8), 6, 12, 5))},
        {isField, Field},
        {is<QComboBox>, Field},
        {isChoice, keep(choice(Colour::Moonlight, 0, 7), [](ThemeLook& look) { look.hoverBorder = Colour::Cyan; })},
        {"cmdRashi", Reading_Button},
        {is<QPushButton>, Button},
    };
    return pick(Rows, w);
}

// --- the display window and the report -------------------------------------------------------

ThemeLook displayFont(ThemeLook look)
{
    look.families = {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")};
    return look;
}

ThemeLook redButton()
{
    return displayFont(button(QColor(0x5a, 0x14, 0x14), QColor(0x7a, 0x1c, 0x1c), QColor(0x40, 0x10, 0x10), QColor(0xc0, 0x60, 0x60), 6, QMargins(22, 6, 22, 6)));
}

// The box around one tab's reading, and the text of the reading, in the tab's own red.
ThemeLook signGroup(const QColor& fill) { return displayFont(group(Colour::White, box(fill, Colour::Rose, 4), 10, 12, 4)); }

ThemeLook signAbout(const QColor& fill)
{
    return listing(displayFont(field(fill, Colour::Rose, 0, QMargins(), QColor(), 10)), QColor(0, 255, 255), nullptr, &Display_Bars);
}

const ThemeLook* displayLook(const QWidget* w)
{
    static const ThemeLook* Plain = keep(displayFont(ThemeLook()));
    static const Row Rows[] = {
        {isMenu, keep(displayFont(menus(Blue_Menus)))},
        {"centralWidget", keep(displayFont(panel(box(Colour::Wine))))},
        {"fraBanner fraCommands", keep(displayFont(panel(box(QColor(0x2a, 0x09, 0x09), Colour::Garnet, 4))))},
        {"Label61", keep(displayFont(link(Colour::Gold, 11)))},
        {isLink, keep(displayFont(link(Colour::Gold)))},
        {"fraBirthStone", keep(signGroup(QColor(116, 16, 16)))},
        {"fraSunSign", keep(signGroup(QColor(99, 14, 14)))},
        {"fraMoonSign", keep(signGroup(QColor(64, 0, 0)))},
        {"txtBirthStoneAbout", keep(signAbout(QColor(116, 16, 16)))},
        {"txtSunSignAbout", keep(signAbout(QColor(99, 14, 14)))},
        {"txtMoonSignAbout", keep(signAbout(QColor(64, 0, 0)))},
        {{is<QLabel>, "caption"}, keep(displayFont(text(QColor(0, 255, 0), 0, 1)))},
        {{is<QLabel>, "picture-caption"}, keep(displayFont(text(QColor(255, 215, 0), 0, 1)))},
        {{is<QLabel>, "value"}, keep(displayFont(text(QColor(0, 255, 255), 0, 1)))},
        {{is<QLabel>, "note"}, keep(displayFont(text(QColor(255, 235, 170))))},
        {is<QPushButton>, keep(redButton())},
        {{}, Plain},
    };
    return pick(Rows, w);
}

const ThemeLook* reportLook(const QWidget* w)
{
    static const Row Rows[] = {
        {isWindow, keep(panel(box(Colour::Wine)))},
        {"Label1", keep(displayFont(link(Colour::Gold, 11)))},
        {isLink, keep(displayFont(link(Colour::Gold)))},
        {is<QLabel>, keep(displayFont(ThemeLook()))},
        {"RTB", keep(panel(box(Colour::White, Colour::Rose)))},
        {is<QPushButton>, keep(redButton())},
    };
    return pick(Rows, w);
}

// --- Crystal Healing -----------------------------------------------------------------------

const ThemeLook* healingLook(const QWidget* w)
{
    static const QColor Ink(0xf2, 0xf4, 0xff);
    static const ThemeLook List = listing(field(QColor(0x0a, 0x0f, 0x26), QColor(0x3a, 0x4a, 0x8a), 8, QMargins(4, 4, 4, 4), QColor(), 10), Ink,
                                          &Healing_Items, &Healing_Bars);
    static const ThemeLook* Found = keep(List, [](ThemeLook& look) {
        look.box.fill = QColor(0x0e, 0x15, 0x34);
        look.box.border = Colour::Ice;
        look.items = &Found_Items;
    });
    static const ThemeLook* Description = keep(text(QColor(0xf3, 0xf0, 0xff), 11), [](ThemeLook& look) {
        look.box = box(QColor(120, 140, 255, 18), QColor(0x2c, 0x38, 0x70), 10, QMargins(12, 12, 12, 12));
    });
    static const ThemeLook Drop_Down = field(QColor(0x0a, 0x0f, 0x26), QColor(0x4a, 0x5a, 0xa0), 6, QMargins(10, 5, 10, 5), Colour::Ice, 10);
    static const ThemeLook* Button = keep(button(Blue_Button, Blue_Button_Hover, Blue_Button_Pressed, Colour::Periwinkle, 8, QMargins(24, 7, 24, 7), 10));
    static const ThemeLook* Next = keep(button(downward(QColor(0x8e, 0x5c, 0xc4), QColor(0x5a, 0x2d, 0x8c)), Blue_Button_Hover, Blue_Button_Pressed, Colour::Lilac, 8, QMargins(24, 7, 24, 7), 10));
    static const Row Rows[] = {
        {isMenu, keep(menus(Healing_Menus))},
        {"centralWidget", keep(panel(box(linear(0, 0, 0, 1, {{0, QColor(0x0d, 0x14, 0x33)}, {0.55, QColor(0x07, 0x0b, 0x1f)}, {1, QColor(0x02, 0x03, 0x09)}}))))},
        {"fraBanner", keep(panel(box(Banner_Purple, QColor(0x8e, 0x5c, 0xc4), 0, {}, ThemeBox::Edges::Bottom)))},
        {"fraPromotions", keep(panel(box(QColor(0x0b, 0x11, 0x28), QColor(0x2a, 0x35, 0x66), 0, {}, ThemeBox::Edges::Top)))},
        {isDropList, keep(listing(panel(box(QColor(0x0e, 0x15, 0x34), QColor(0x4a, 0x5a, 0xa0))), Ink, &Healing_Drop_Items, &Healing_Bars))},
        {"Label14", keep(link(Colour::Cream, 10))},
        {"lblCobrand lblFullBrand", keep(link(Colour::Gold, 10))},
        {"lblTitle", keep(text(Colour::Ice, 21, 1))},
        {"lblWelcome", keep(text(QColor(0xff, 0x9a, 0x9a), 10))},
        {"lblNotice", keep(italic(text(QColor(0x9f, 0xb0, 0xd8), 9)))},
        {"lblHowToUse", keep(text(Colour::Lilac, 15, 1))},  // a heading, larger
        {"lblHowToUseText", keep(text(QColor(0xe6, 0xe9, 0xf7), 11))},
        {{is<QLabel>, "heading"}, keep(text(Colour::Gold, 11, 1))},
        {{is<QLabel>, "description"}, Description},
        {{is<QLabel>, "inReadings"}, keep(italic(text(Colour::Lilac, 9)))},
        {is<QLabel>, keep(text(QColor(0xdf, 0xe5, 0xfb), 10))},
        {isPage, keep(panel(box(radial(0.3, 0.2, 1.1, 0.3, 0.2, {{0, QColor(0x1a, 0x24, 0x52)}, {1, QColor(0x08, 0x0c, 0x20)}}), QColor(0x3a, 0x4a, 0x8a), 14)))},
        {is<QGroupBox>, keep(group(Colour::Ice, box(QColor(90, 40, 140, 46), QColor(0x8e, 0x5c, 0xc4), 12), 0, 14, 6, 11))},
        {is<QRadioButton>, keep(choice(QColor(0xee, 0xf0, 0xff), 10, 10, QMargins(0, 3, 0, 3)))},
        {is<QComboBox>, keep(listing(Drop_Down, Ink, &Healing_Drop_Items))},
        {"txtFind", keep(Drop_Down)},
        {"lstFound", Found},
        {is<QPlainTextEdit>, keep(List, [](ThemeLook& look) { look.box.padding = QMargins(8, 8, 8, 8); })},
        {is<QAbstractItemView>, keep(List)},
        {"cmdNext", Next},
        {is<QPushButton>, Button},
    };
    return pick(Rows, w);
}

// --- the message boxes -----------------------------------------------------------------------

const ThemeLook* messageLook(const QWidget* w)
{
    static const ThemeLook Label = text(QColor(0xf0, 0xee, 0xf8), 10);
    static const Row Rows[] = {
        {is<QMessageBox>, keep(panel(box(QColor(0x11, 0x19, 0x36))))},
        {"qt_msgbox_label", keep(Label, [](ThemeLook& look) { look.minWidth = 240; })},
        {is<QLabel>, keep(Label)},
        {is<QPushButton>, keep(plainButton(QColor(0x3a, 0x4a, 0x8a), QMargins(20, 5, 20, 5)), [](ThemeLook& look) { look.minWidth = 60; })},
    };
    return pick(Rows, w);
}

// The scroll bars of a scrolled window body, and of the controls that scroll in it.
const ThemeLook* scrollBarLook(const QWidget* w)
{
    static const ThemeLook* Body = keep(ThemeLook(), [](ThemeLook& look) { look.scrollBars = &Body_Bars; });
    const QWidget* area = w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr;
    if (area && area->objectName().endsWith(QLatin1String("Scroll")))
        return Body;
    for (const QWidget* at = w->parentWidget(); at; at = at->parentWidget())
        if (const ThemeLook* look = Theme::Look_Of(at); look && look->scrollBars) {
            static QHash<const ThemeScrollBar*, const ThemeLook*> looks;
            const ThemeLook*& bars = looks[look->scrollBars];
            if (!bars)
                bars = keep(ThemeLook(), [&](ThemeLook& barLook) { barLook.scrollBars = look->scrollBars; });
            return bars;
        }
    return nullptr;
}

const ThemeLook* lookFor(const QWidget* w)
{
    static const std::pair<const char*, const ThemeLook* (*)(const QWidget*)> Windows[] = {
        {"frmMDI", launcherLook},
        {"frmAbout", aboutLook},
        {"frmDonate", donationLook},
        {"frmCrystalDivinationMain", divinationLook},
        {"frmGemologyMain", entryLook},
        {"frmGemologyDisplay", displayLook},
        {"frmGemologySave", reportLook},
        {"frmCrystalHealingMain", healingLook},
        {"frmMoonCalendar", moonCalendarLook},
        {"QMessageBox", messageLook},
    };
    const QString window = windowOf(w);
    for (const auto& [name, look] : Windows)
        if (window == QLatin1String(name))
            return look(w);
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
    // A label's minimum width only widens a short text: a longer one keeps its own, so that a
    // message box still wraps it instead of cutting it off.
    const bool longText = qobject_cast<QLabel*>(widget) && widget->minimumSizeHint().width() >= look->minWidth;
    if (look->minWidth > 0 && !longText)
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

QColor Focus_Ring() { return Colour::Cyan; }

QColor Focus_Ring_On(const QColor& window)
{
    return window.lightness() > 128 ? QColor(0x00, 0x4a, 0x9f) : Colour::Cyan;
}

}  // namespace Theme
