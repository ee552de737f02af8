#pragma once
#include <QBrush>
#include <QColor>
#include <QMargins>
#include <QStringList>

class QWidget;

// The program's look, written once: its colours, fonts and gradients, and which control of
// which window wears which. ProgramStyle (program_style.h) draws with it; nothing else in the
// program styles a control.

// A box as the program draws it: a fill, an optional border of one width and colour on all
// four sides or only one, round corners, and the room left inside around what it holds.
struct ThemeBox {
    QBrush fill;                 // Qt::NoBrush: nothing filled
    QColor border;               // invalid: no border
    int borderWidth = 0;
    enum class Edges { All, Top, Bottom } edges = Edges::All;
    int radius = 0;
    QMargins padding;

    // The room the border and the padding take from what the box holds, on each side.
    QMargins inset() const;
};

// The rows of a list, a drop-down list or the place finder's list.
struct ThemeItems {
    QColor selectedFill;
    QColor selectedText;
    int selectedRadius = 0;
    int minHeight = 0;
    QMargins padding;
    QColor headingText;  // rows that cannot be chosen (the find list's groups), in bold
    QMargins headingPadding;
};

// A scroll bar: its track and its handle.
struct ThemeScrollBar {
    QColor track;             // invalid: the track shows what lies behind it
    int extent = 12;
    int margin = 0;           // around the whole bar
    QColor handle;
    int handleRadius = 0;
    int handleMargin = 0;     // around the handle, inside the bar
    int handleMinLength = 24;
};

// A menu bar, its items and the menus it opens.
struct ThemeMenus {
    QColor barFill;
    QColor text;
    QColor barLine;           // under the bar; invalid: none
    QColor itemSelected;
    int itemRadius = 0;
    QMargins itemPadding;     // null: the desktop style's room around a bar item
    QColor menuFill;
    QColor menuBorder;
    int menuPadding = 0;
    QColor menuSelected;
    bool roomyMenuItems = false;  // menu items 5 by 24 pixels around their text
};

// The look of one control. Only what differs from the desktop style is set.
struct ThemeLook {
    QColor text;                 // invalid: the desktop's
    QColor hoverText;            // links that light up under the pointer
    qreal pointSize = 0;         // 0: inherited
    int bold = -1;               // -1 inherited, 0 normal, 1 bold
    bool italic = false;
    bool underline = false;
    QStringList families;        // empty: inherited

    ThemeBox box;                // fill.style() NoBrush and no border: no box
    QBrush hoverFill;            // buttons
    QBrush pressedFill;
    QColor focusBorder;          // buttons and fields
    QColor hoverBorder;          // indicators
    QColor selection;            // fields
    int minContentHeight = 0;    // fields and drop-downs
    int minWidth = 0;            // the narrowest a message box's text or button may be
    int labelSpacing = -1;       // radio buttons and check boxes
    bool roundIndicators = false;  // the program's radio buttons and check boxes

    int groupMarginTop = 0;      // group boxes: the title's band above the frame
    int titleLeft = 0;
    int titlePadding = 0;
    qreal titlePointSize = 0;    // 0: the box's own
    bool titleBold = true;
    QColor titleText;

    const ThemeItems* items = nullptr;
    const ThemeScrollBar* scrollBars = nullptr;
    const ThemeMenus* menus = nullptr;
    bool listPopup = false;      // drop-downs open as a list under the field

    bool hasBox() const { return box.fill.style() != Qt::NoBrush || box.border.isValid(); }
};

// The display window's tab bar and the pane under it.
struct ThemeTabs {
    QColor fill;
    QColor text;
    QColor selectedFill;
    QColor selectedText;
    QColor border;
    QMargins padding;
    QColor paneFill;
};

namespace Theme {
// The look the theme gives this control, decided when it was dressed; null when it wears the
// desktop's.
const ThemeLook* Look_Of(const QWidget* widget);

// Gives the control its look: its palette, font and the look the style draws it with.
void Dress(QWidget* widget);

// The radio buttons' and check boxes' marks, the same in every window.
struct Indicator {
    QColor fill;
    QColor border;
    QColor checkedBorder;
    QBrush checkedFill;  // a gem-like glow, in the box's own coordinates
    int size;            // with its border
    int borderWidth;
};
const Indicator& Indicator_Look();

// The display window's tabs.
const ThemeTabs& Tabs_Look();

// The corner between a scrolled window's two scroll bars.
QColor Scroll_Corner();

// The ring around the control that has the keyboard, where its look names no other: bright
// against the program's dark windows.
QColor Focus_Ring();
// The ring for a control in the desktop's own colours: the bright ring on a dark window, a deep
// blue one on a light window.
QColor Focus_Ring_On(const QColor& window);
}  // namespace Theme
