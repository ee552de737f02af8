#include "shell/widgets/program_style.h"

#include "shell/widgets/theme.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTabBar>

#include <optional>

namespace {

using Theme::Look_Of;

// The look of the control an option is drawn for, when the theme gives it one.
const ThemeLook* lookOf(const QWidget* widget) { return Look_Of(widget); }

// A box: its fill, then its border, with round corners drawn smooth.
void paintBox(QPainter* painter, const QRect& rect, const ThemeBox& box, const QBrush& fill, const QColor& border,
              bool withFill = true, bool withBorder = true)
{
    const int width = border.isValid() ? box.borderWidth : 0;
    const int radius = 2 * box.radius <= rect.width() && 2 * box.radius <= rect.height() ? box.radius : 0;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(rect).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
    if (withFill && fill.style() != Qt::NoBrush) {
        if (radius > 0) {
            QPainterPath path;
            path.addRoundedRect(inner, radius - width / 2.0, radius - width / 2.0);
            painter->fillPath(path, fill);
        } else {
            painter->fillRect(rect, fill);
        }
    }
    if (withBorder && width > 0) {
        if (radius > 0) {
            painter->setPen(QPen(border, width));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(inner, radius - width / 2.0, radius - width / 2.0);
        } else {
            const QRect r = rect;
            if (box.edges != ThemeBox::Edges::Bottom)
                painter->fillRect(QRect(r.left(), r.top(), r.width(), width), border);
            if (box.edges != ThemeBox::Edges::Top)
                painter->fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), border);
            if (box.edges == ThemeBox::Edges::All) {
                painter->fillRect(QRect(r.left(), r.top() + width, width, r.height() - 2 * width), border);
                painter->fillRect(QRect(r.right() - width + 1, r.top() + width, width, r.height() - 2 * width), border);
            }
        }
    }
    painter->restore();
}

QSize grown(const QSize& size, const QMargins& margins)
{
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// The room a drop-down keeps on its right for its arrow.
constexpr int Drop_Down_Width = 16;

QRect comboPaddingRect(const QRect& rect, const ThemeLook& look)
{
    return rect.marginsRemoved(look.box.inset() - look.box.padding);
}

QRect scrollGroove(const QStyleOptionSlider* bar, const ThemeScrollBar& look)
{
    return bar->rect.adjusted(look.margin, look.margin, -look.margin, -look.margin);
}

QRect scrollSlider(const QStyleOptionSlider* bar, const ThemeScrollBar& look)
{
    const QRect groove = scrollGroove(bar, look);
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const int length = horizontal ? groove.width() : groove.height();
    const int range = bar->maximum - bar->minimum;
    int sliderLength = length;
    if (range > 0)
        sliderLength = std::clamp(int(qint64(length) * bar->pageStep / (range + bar->pageStep)), look.handleMinLength, length);
    const int start = QStyle::sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition,
                                                      length - sliderLength, bar->upsideDown);
    return horizontal ? QRect(groove.left() + start, groove.top(), sliderLength, groove.height())
                      : QRect(groove.left(), groove.top() + start, groove.width(), sliderLength);
}

// The painting steps below say they drew, so that a case of the style can read
// "when the look has it, paint it".

// A box of round corners filled, without a border.
bool paintRounded(QPainter* painter, const QRect& rect, int radius, const QBrush& fill)
{
    ThemeBox box;
    box.radius = radius;
    paintBox(painter, rect, box, fill, QColor());
    return true;
}

// A box of square corners, filled, in a border one pixel wide.
bool paintFramed(QPainter* painter, const QRect& rect, const QBrush& fill, const QColor& border)
{
    ThemeBox box;
    box.borderWidth = 1;
    paintBox(painter, rect, box, fill, border);
    return true;
}

bool paintFilled(QPainter* painter, const QRect& rect, const QColor& fill)
{
    painter->fillRect(rect, fill);
    return true;
}

// The width of the ring or the lit border that shows the focus.
constexpr int Focus_Width = 2;

// A button's or a field's box, its border lit and thickened while it has the focus.
bool paintControlBox(QPainter* painter, const QStyleOption* option, const ThemeLook& look, const QBrush& fill)
{
    if (!(option->state & QStyle::State_HasFocus)) {
        paintBox(painter, option->rect, look.box, fill, look.box.border);
        return true;
    }
    ThemeBox lit = look.box;
    lit.borderWidth = std::max(Focus_Width, lit.borderWidth);
    paintBox(painter, option->rect, lit, fill, look.focusBorder.isValid() ? look.focusBorder : Theme::Focus_Ring());
    return true;
}

QBrush buttonFill(const QStyleOption* option, const ThemeLook& look)
{
    if (option->state & (QStyle::State_Sunken | QStyle::State_On) && look.pressedFill.style() != Qt::NoBrush)
        return look.pressedFill;
    if (option->state & QStyle::State_MouseOver && look.hoverFill.style() != Qt::NoBrush)
        return look.hoverFill;
    return look.box.fill;
}

bool paintIndicator(QPainter* painter, const QStyleOption* option, bool round, const ThemeLook& look)
{
    const Theme::Indicator& mark = Theme::Indicator_Look();
    const bool checked = option->state & (QStyle::State_On | QStyle::State_NoChange);
    const bool hover = option->state & QStyle::State_MouseOver && option->state & QStyle::State_Enabled;
    QColor border = checked ? mark.checkedBorder : mark.border;
    if (hover && look.hoverBorder.isValid())
        border = look.hoverBorder;
    const QRect rect(option->rect.topLeft() + QPoint((option->rect.width() - mark.size) / 2, (option->rect.height() - mark.size) / 2),
                     QSize(mark.size, mark.size));
    ThemeBox box;
    box.borderWidth = mark.borderWidth;
    box.radius = round ? mark.size / 2 : 3;
    paintBox(painter, rect, box, checked ? mark.checkedFill : QBrush(mark.fill), border);
    return true;
}

bool paintMenuBarItem(QPainter* painter, const QStyleOption* option, const ThemeMenus& menus, const QStyle* style, const QWidget* bar)
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item)
        return false;
    painter->fillRect(item->rect, menus.barFill);
    if (menus.barLine.isValid() && bar && item->rect.bottom() >= bar->height() - 1)
        painter->fillRect(QRect(item->rect.left(), bar->height() - 1, item->rect.width(), 1), menus.barLine);
    if (item->state & QStyle::State_Selected && item->state & QStyle::State_Enabled)
        paintRounded(painter, item->rect, menus.itemRadius, menus.itemSelected);
    QPalette palette = item->palette;
    palette.setColor(QPalette::ButtonText, menus.text);
    style->drawItemText(painter, item->rect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine,
                        palette, item->state & QStyle::State_Enabled, item->text, QPalette::ButtonText);
    return true;
}

bool paintMenuItem(QPainter* painter, const QStyleOption* option, const ThemeMenus& menus, const QStyle* style)
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item)
        return false;
    painter->fillRect(item->rect, menus.menuFill);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return paintFilled(painter, QRect(item->rect.left() + 8, item->rect.center().y(), item->rect.width() - 16, 1), menus.menuBorder);
    if (item->state & QStyle::State_Selected && item->state & QStyle::State_Enabled)
        painter->fillRect(item->rect, menus.menuSelected);
    QPalette palette = item->palette;
    palette.setColor(QPalette::ButtonText, menus.text);
    const QRect text = item->rect.adjusted(24, 0, -24, 0);
    const int tab = item->text.indexOf(QLatin1Char('\t'));
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    const bool enabled = item->state & QStyle::State_Enabled;
    style->drawItemText(painter, text, flags | Qt::AlignLeft, palette, enabled, item->text.left(tab), QPalette::ButtonText);
    if (tab >= 0)
        style->drawItemText(painter, text, flags | Qt::AlignRight, palette, enabled, item->text.mid(tab + 1), QPalette::ButtonText);
    return true;
}

bool paintMenuBarSpace(QPainter* painter, const QRect& rect, const ThemeMenus& menus)
{
    painter->fillRect(rect, menus.barFill);
    if (menus.barLine.isValid())
        painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), menus.barLine);
    return true;
}

bool paintTabShape(QPainter* painter, const QStyleOption* option)
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (!tab)
        return false;
    const ThemeTabs& tabs = Theme::Tabs_Look();
    const QRect r = tab->rect;
    painter->fillRect(r, tab->state & QStyle::State_Selected ? tabs.selectedFill : tabs.fill);
    painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), tabs.border);
    painter->fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 1), tabs.border);
    painter->fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), tabs.border);
    return true;
}

bool paintTabLabel(QPainter* painter, const QStyleOption* option, const QStyle* style)
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (!tab)
        return false;
    const ThemeTabs& tabs = Theme::Tabs_Look();
    const bool selected = tab->state & QStyle::State_Selected;
    painter->save();
    QFont font = painter->font();
    font.setBold(selected);
    painter->setFont(font);
    QPalette palette = tab->palette;
    palette.setColor(QPalette::WindowText, selected ? tabs.selectedText : tabs.text);
    style->drawItemText(painter, tab->rect.marginsRemoved(tabs.padding + QMargins(1, 1, 1, 0)), Qt::AlignCenter | Qt::TextShowMnemonic,
                        palette, tab->state & QStyle::State_Enabled, tab->text, QPalette::WindowText);
    painter->restore();
    return true;
}

// Whether a row holds its text alone, on one line: no icon, no check box, not being edited.
bool isTextAlone(const QStyleOptionViewItem& item)
{
    constexpr auto Other_Parts = QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasCheckIndicator
                                 | QStyleOptionViewItem::WrapText;
    return !(item.features & Other_Parts) && !(item.state & QStyle::State_Editing) && !item.text.contains(QChar::LineFeed);
}

// A row's text alone, drawn straight with its font and colour, elided to the row's width: what
// the common drawing of list rows draws, without its three layouts of the text for every row
// painted.
void paintItemText(QPainter* painter, const QStyleOptionViewItem& item, const QColor& colour, const QStyle* style,
                   const QWidget* widget)
{
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = item.rect.adjusted(margin, 0, -margin, 0);
    const QFontMetrics metrics(item.font);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(colour);
    painter->drawText(area, QStyle::visualAlignment(item.direction, item.displayAlignment) | Qt::TextSingleLine,
                      metrics.elidedText(item.text, item.textElideMode, area.width()));
    painter->restore();
}

bool paintScrollBar(QPainter* painter, const QStyleOption* option, const ThemeScrollBar& bars)
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!bar)
        return false;
    if (bars.track.isValid())
        painter->fillRect(scrollGroove(bar, bars), bars.track);
    if (bar->maximum > bar->minimum)
        paintRounded(painter, scrollSlider(bar, bars).adjusted(bars.handleMargin, bars.handleMargin, -bars.handleMargin, -bars.handleMargin),
                     bars.handleRadius, bars.handle);
    return true;
}

QFont titleFont(const QWidget* widget, const ThemeLook& look)
{
    QFont font = widget ? widget->font() : QApplication::font();
    font.setBold(look.titleBold);
    if (look.titlePointSize > 0)
        font.setPointSizeF(look.titlePointSize);
    return font;
}

bool isBodyArea(const QWidget* widget)
{
    return qobject_cast<const QAbstractScrollArea*>(widget) && widget->objectName().endsWith(QLatin1String("Scroll"));
}

// A control in the desktop's own colours that has the keyboard: a ring that stands out from its
// window, where the desktop's own is faint.
void ringDesktopControl(QPainter* painter, const QWidget* widget)
{
    if (widget && widget->hasFocus())
        Draw_Focus_Ring(painter, widget->rect(), Theme::Focus_Ring_On(widget->palette().color(QPalette::Window)));
}

}  // namespace

void ProgramStyle::polish(QWidget* widget)
{
    DeferredIconsStyle::polish(widget);
    Theme::Dress(widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (const ThemeLook* look = lookOf(widget); !look || !drawLook(element, option, painter, widget, *look)) {
        if (!look && element == CE_ItemViewItem && drawDesktopRow(option, painter, widget))
            return;
        DeferredIconsStyle::drawControl(element, option, painter, widget);
        if (!look && (element == CE_PushButton || (element == CE_ShapedFrame && qobject_cast<const QPlainTextEdit*>(widget))))
            ringDesktopControl(painter, widget);
    }
}

// A list row of the desktop's look holding its text alone: its panel, its text in the desktop's
// colours and its focus frame, as the desktop's style draws them.
bool ProgramStyle::drawDesktopRow(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (!item || !isTextAlone(*item))
        return false;
    proxy()->drawPrimitive(PE_PanelItemViewItem, item, painter, widget);
    const bool selected = item->state & State_Selected;
    const QPalette::ColorGroup group = !(item->state & State_Enabled) ? QPalette::Disabled
                                       : item->state & State_Active ? QPalette::Normal
                                                                    : QPalette::Inactive;
    paintItemText(painter, *item, item->palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text), proxy(),
                  widget);
    if (item->state & State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*item);
        focus.rect = proxy()->subElementRect(SE_ItemViewItemFocusRect, item, widget);
        focus.state |= State_KeyboardFocusChange | State_Item;
        focus.backgroundColor = item->palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
    return true;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element == PE_PanelScrollAreaCorner && isBodyArea(widget))
        painter->fillRect(option->rect, Theme::Scroll_Corner());
    else if (const ThemeLook* look = lookOf(widget); !look || !drawLook(element, option, painter, widget, *look)) {
        DeferredIconsStyle::drawPrimitive(element, option, painter, widget);
        if (!look && element == PE_PanelLineEdit && qobject_cast<const QLineEdit*>(widget))
            ringDesktopControl(painter, widget);
    }
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    if (const ThemeLook* look = lookOf(widget); !look || !drawLook(control, option, painter, widget, *look)) {
        DeferredIconsStyle::drawComplexControl(control, option, painter, widget);
        if (!look && control == CC_ComboBox)
            ringDesktopControl(painter, widget);
    }
}

bool ProgramStyle::drawLook(PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget,
                            const ThemeLook& look) const
{
    switch (element) {
    case PE_Widget:
        if (look.hasBox() && qobject_cast<const QGroupBox*>(widget))
            paintBox(painter, option->rect.adjusted(0, look.groupMarginTop, 0, 0), look.box, look.box.fill, look.box.border, true, false);
        else if (look.hasBox())
            paintControlBox(painter, option, look, look.box.fill);
        return look.hasBox();
    case PE_Frame:
    case PE_FrameLineEdit:
    case PE_FrameGroupBox:
        return look.hasBox();  // drawn with the box
    case PE_PanelLineEdit:
        return look.hasBox() && paintControlBox(painter, option, look, look.box.fill);
    case PE_PanelButtonCommand:
        return look.hasBox() && paintControlBox(painter, option, look, buttonFill(option, look));
    case PE_FrameFocusRect:  // boxes light their border; radio buttons and check boxes take a ring
        if (look.roundIndicators && !look.hasBox())
            Draw_Focus_Ring(painter, widget ? widget->rect() : option->rect);
        return look.hasBox() || look.roundIndicators;
    case PE_IndicatorRadioButton:
    case PE_IndicatorCheckBox:
        return look.roundIndicators && paintIndicator(painter, option, element == PE_IndicatorRadioButton, look);
    case PE_PanelItemViewItem:
        if (look.items && option->state & State_Selected)
            paintRounded(painter, option->rect, look.items->selectedRadius, look.items->selectedFill);
        return look.items;
    case PE_PanelMenuBar:
        return look.menus && paintFilled(painter, option->rect, look.menus->barFill);
    case PE_PanelMenu:
    case PE_FrameMenu:
        return look.menus && paintFramed(painter, option->rect, look.menus->menuFill, look.menus->menuBorder);
    case PE_FrameTabWidget:
        return paintFramed(painter, option->rect, Theme::Tabs_Look().paneFill, Theme::Tabs_Look().border);
    case PE_FrameTabBarBase:
        return true;
    default:
        return false;
    }
}

bool ProgramStyle::drawLook(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget,
                            const ThemeLook& look) const
{
    if (control == CC_ScrollBar)
        return look.scrollBars && paintScrollBar(painter, option, *look.scrollBars);
    if (control == CC_ComboBox && look.hasBox()) {
        paintControlBox(painter, option, look, look.box.fill);
        QStyleOption arrow(*option);
        arrow.rect = proxy()->subControlRect(control, option, SC_ComboBoxArrow, widget);
        arrow.palette.setColor(QPalette::ButtonText, look.text);
        DeferredIconsStyle::drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
        return true;
    }
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !group || look.groupMarginTop <= 0)
        return false;
    const QRect label = proxy()->subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->save();
    painter->setClipRegion(QRegion(option->rect).subtracted(label));
    paintBox(painter, proxy()->subControlRect(control, option, SC_GroupBoxFrame, widget), look.box, Qt::NoBrush, look.box.border);
    painter->restore();
    QPalette palette = group->palette;
    palette.setColor(QPalette::WindowText, look.titleText);
    painter->save();
    painter->setFont(titleFont(widget, look));
    drawItemText(painter, label.adjusted(look.titlePadding, 0, -look.titlePadding, 0),
                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette, group->state & State_Enabled, group->text, QPalette::WindowText);
    painter->restore();
    return true;
}

bool ProgramStyle::drawLook(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget,
                            const ThemeLook& look) const
{
    switch (element) {
    case CE_ShapedFrame:
        return look.hasBox();
    case CE_PushButton:
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option); button && look.hasBox()) {
            proxy()->drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
            QStyleOptionButton label(*button);
            label.rect = proxy()->subElementRect(SE_PushButtonContents, option, widget);
            proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
            return true;
        }
        return false;
    case CE_PushButtonBevel:
        if (look.hasBox())
            proxy()->drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
        return look.hasBox();
    case CE_MenuBarEmptyArea:
        return look.menus && paintMenuBarSpace(painter, option->rect, *look.menus);
    case CE_MenuBarItem:
        return look.menus && paintMenuBarItem(painter, option, *look.menus, this, widget);
    case CE_MenuItem:
        return look.menus && paintMenuItem(painter, option, *look.menus, this);
    case CE_MenuEmptyArea:
        return look.menus && paintFilled(painter, option->rect, look.menus->menuFill);
    case CE_TabBarTabShape:
        return paintTabShape(painter, option);
    case CE_TabBarTabLabel:
        return paintTabLabel(painter, option, this);
    case CE_ItemViewItem:
        if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option); item && look.items) {
            const ThemeItems& items = *look.items;
            proxy()->drawPrimitive(PE_PanelItemViewItem, option, painter, widget);
            QStyleOptionViewItem text(*item);
            const bool heading = !(item->state & State_Enabled) && items.headingText.isValid();
            text.rect = item->rect.marginsRemoved(heading ? items.headingPadding : items.padding);
            text.state &= ~(State_Selected | State_HasFocus);
            QColor colour = item->state & State_Selected ? items.selectedText : item->palette.color(QPalette::Text);
            if (heading) {
                colour = items.headingText;
                text.font.setBold(true);
                text.state |= State_Enabled;
            }
            text.palette.setColor(QPalette::Text, colour);
            text.backgroundBrush = Qt::NoBrush;
            if (isTextAlone(text))
                paintItemText(painter, text, colour, proxy(), widget);
            else
                DeferredIconsStyle::drawControl(element, &text, painter, widget);
            return true;
        }
        return false;
    default:
        return false;
    }
}

QRect ProgramStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    const ThemeLook* look = lookOf(widget);
    if (look && element == SE_TabWidgetTabContents && widget && widget->inherits("QTabWidget"))
        return proxy()->subElementRect(SE_TabWidgetTabPane, option, widget).adjusted(1, 1, -1, -1);
    if (look && look->hasBox()) {
        switch (element) {
        case SE_PushButtonContents:
        case SE_LineEditContents:
        case SE_FrameContents:
        case SE_ShapedFrameContents:
            return option->rect.marginsRemoved(look->box.inset());
        case SE_PushButtonFocusRect:
            return option->rect;
        default:
            break;
        }
    }
    return DeferredIconsStyle::subElementRect(element, option, widget);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part, const QWidget* widget) const
{
    const ThemeLook* look = lookOf(widget);
    switch (control) {
    case CC_ComboBox:
        if (look && look->hasBox()) {
            const QRect padded = comboPaddingRect(option->rect, *look);
            const QRect inside = option->rect.marginsRemoved(look->box.inset());
            const QRect dropDown(padded.right() - Drop_Down_Width + 1, padded.top(), Drop_Down_Width, padded.height());
            switch (part) {
            case SC_ComboBoxFrame:
                return option->rect;
            case SC_ComboBoxArrow:
                return dropDown;
            case SC_ComboBoxEditField:
                return QRect(inside.left() - 1, inside.top(), dropDown.left() - inside.left() + 1, inside.height());
            case SC_ComboBoxListBoxPopup:
                return option->rect;
            default:
                return {};
            }
        }
        break;
    case CC_GroupBox:
        if (look && look->groupMarginTop > 0) {
            if (const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
                const QRect frame = option->rect.adjusted(0, look->groupMarginTop, 0, 0);
                switch (part) {
                case SC_GroupBoxFrame:
                    return frame;
                case SC_GroupBoxContents:
                    return frame.marginsRemoved(look->box.inset());
                case SC_GroupBoxLabel: {
                    const QFontMetrics metrics(titleFont(widget, *look));
                    const int width = metrics.size(Qt::TextShowMnemonic, group->text).width() + 2 * look->titlePadding;
                    return QRect(option->rect.left() + look->titleLeft + look->titlePadding / 2, option->rect.top(), width, metrics.height());
                }
                default:
                    return {};
                }
            }
        }
        break;
    case CC_ScrollBar:
        if (look && look->scrollBars) {
            if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
                const ThemeScrollBar& bars = *look->scrollBars;
                const QRect groove = scrollGroove(bar, bars);
                const QRect slider = scrollSlider(bar, bars);
                const bool horizontal = bar->orientation == Qt::Horizontal;
                switch (part) {
                case SC_ScrollBarGroove:
                    return groove;
                case SC_ScrollBarSlider:
                    return slider;
                case SC_ScrollBarSubPage:
                    return horizontal ? QRect(groove.left(), groove.top(), slider.left() - groove.left(), groove.height())
                                      : QRect(groove.left(), groove.top(), groove.width(), slider.top() - groove.top());
                case SC_ScrollBarAddPage:
                    return horizontal ? QRect(slider.right() + 1, groove.top(), groove.right() - slider.right(), groove.height())
                                      : QRect(groove.left(), slider.bottom() + 1, groove.width(), groove.bottom() - slider.bottom());
                default:
                    return {};
                }
            }
        }
        break;
    default:
        break;
    }
    return DeferredIconsStyle::subControlRect(control, option, part, widget);
}

namespace {

// A size the look sets, or none when it leaves it to the desktop's style.
std::optional<int> when(bool set, int value)
{
    return set ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> metricOf(QStyle::PixelMetric metric, const ThemeLook& look, const QWidget* widget)
{
    static const ThemeScrollBar No_Bars;
    static const ThemeMenus No_Menus;
    const ThemeScrollBar& bars = look.scrollBars ? *look.scrollBars : No_Bars;
    const ThemeMenus& menus = look.menus ? *look.menus : No_Menus;
    switch (metric) {
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
        return when(look.roundIndicators, Theme::Indicator_Look().size);
    case QStyle::PM_RadioButtonLabelSpacing:
    case QStyle::PM_CheckBoxLabelSpacing:
        return when(look.labelSpacing >= 0, look.labelSpacing);
    case QStyle::PM_ButtonShiftHorizontal:
    case QStyle::PM_ButtonShiftVertical:
    case QStyle::PM_ButtonDefaultIndicator:
    case QStyle::PM_ScrollView_ScrollBarSpacing:
        return when(look.hasBox(), 0);
    case QStyle::PM_DefaultFrameWidth:
        return when(look.hasBox(), look.box.border.isValid() ? look.box.borderWidth : 0);
    case QStyle::PM_ScrollBarExtent:
        return when(look.scrollBars, bars.extent);
    case QStyle::PM_ScrollBarSliderMin:
        return when(look.scrollBars, bars.handleMinLength);
    case QStyle::PM_TabBarTabHSpace:
    case QStyle::PM_TabBarTabVSpace:
    case QStyle::PM_TabBarTabShiftHorizontal:
    case QStyle::PM_TabBarTabShiftVertical:
    case QStyle::PM_TabBarBaseOverlap:
        return when(qobject_cast<const QTabBar*>(widget) || (widget && widget->inherits("QTabWidget")), 0);
    case QStyle::PM_MenuPanelWidth:
        return when(look.menus, 1);
    case QStyle::PM_MenuHMargin:
    case QStyle::PM_MenuVMargin:
        return when(look.menus, menus.menuPadding);
    default:
        return std::nullopt;
    }
}

}  // namespace

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const ThemeLook* look = lookOf(widget);
    const std::optional<int> themed = look ? metricOf(metric, *look, widget) : std::nullopt;
    return themed ? *themed : DeferredIconsStyle::pixelMetric(metric, option, widget);
}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const
{
    const ThemeLook* look = lookOf(widget);
    if (look) {
        switch (type) {
        case CT_PushButton:
            if (look->hasBox())
                return grown(size, look->box.inset());
            break;
        case CT_LineEdit:
            if (look->hasBox())
                return grown(QSize(size.width(), std::max(size.height(), look->minContentHeight)), look->box.inset());
            break;
        case CT_ComboBox:
            if (look->hasBox())
                return grown(QSize(size.width() + Drop_Down_Width + 2, std::max(size.height(), look->minContentHeight)), look->box.inset());
            break;
        case CT_RadioButton:
        case CT_CheckBox:
            if (look->roundIndicators) {
                const int mark = Theme::Indicator_Look().size;
                const int spacing = proxy()->pixelMetric(type == CT_RadioButton ? PM_RadioButtonLabelSpacing : PM_CheckBoxLabelSpacing, option, widget);
                return grown(QSize(size.width() + mark + spacing, std::max(size.height(), mark)), look->box.padding);
            }
            break;
        case CT_GroupBox:
            if (look->groupMarginTop > 0)
                return grown(size, look->box.inset()) + QSize(0, look->groupMarginTop);
            break;
        case CT_ScrollBar:
            if (look->scrollBars)
                return size;
            break;
        case CT_MenuBarItem:
            if (look->menus && !look->menus->itemPadding.isNull())
                return grown(size, look->menus->itemPadding);
            break;
        case CT_MenuItem:
            if (look->menus && look->menus->roomyMenuItems) {
                if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                    if (item->menuItemType == QStyleOptionMenuItem::Separator)
                        return QSize(size.width(), 9);
                    return grown(QSize(size.width() + (item->text.contains(QLatin1Char('\t')) ? 12 : 0), size.height()), QMargins(24, 5, 24, 5));
                }
            }
            break;
        case CT_TabBarTab:
            if (qobject_cast<const QTabBar*>(widget)) {
                QSize tab = size;
                // The chosen tab's title is bold: its tab is as wide as the bold title needs.
                if (const auto* shown = qstyleoption_cast<const QStyleOptionTab*>(option); shown && shown->state & State_Selected) {
                    QFont bold = widget->font();
                    bold.setBold(true);
                    tab.rwidth() += QFontMetrics(bold).size(Qt::TextShowMnemonic, shown->text).width()
                                    - QFontMetrics(widget->font()).size(Qt::TextShowMnemonic, shown->text).width();
                }
                return grown(tab, Theme::Tabs_Look().padding + QMargins(1, 1, 1, 0));
            }
            break;
        case CT_ItemViewItem:
            if (look->items) {
                QSize item = DeferredIconsStyle::sizeFromContents(type, option, size, widget);
                item = grown(item, look->items->padding);
                return item.expandedTo(QSize(0, look->items->minHeight));
            }
            break;
        default:
            break;
        }
    }
    return DeferredIconsStyle::sizeFromContents(type, option, size, widget);
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returned) const
{
    if (hint == SH_ComboBox_Popup) {
        if (const ThemeLook* look = lookOf(widget); look && look->listPopup)
            return 0;
    }
    return DeferredIconsStyle::styleHint(hint, option, widget, returned);
}

void Use_Program_Style()
{
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
}

void Draw_Focus_Ring(QPainter* painter, const QRect& rect, const QColor& colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(colour, Focus_Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawRect(QRectF(rect).adjusted(Focus_Width / 2.0, Focus_Width / 2.0, -Focus_Width / 2.0, -Focus_Width / 2.0));
    painter->restore();
}
