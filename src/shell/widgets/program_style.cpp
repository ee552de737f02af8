#include "shell/widgets/program_style.h"

#include "shell/widgets/theme.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTabBar>

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

void paintBox(QPainter* painter, const QRect& rect, const ThemeBox& box)
{
    paintBox(painter, rect, box, box.fill, box.border);
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

void paintIndicator(QPainter* painter, const QStyleOption* option, bool round, const ThemeLook& look)
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
}

void paintMenuBarItem(QPainter* painter, const QStyleOptionMenuItem* item, const ThemeMenus& menus, const QStyle* style,
                      const QWidget* bar)
{
    painter->fillRect(item->rect, menus.barFill);
    if (menus.barLine.isValid() && bar && item->rect.bottom() >= bar->height() - 1)
        painter->fillRect(QRect(item->rect.left(), bar->height() - 1, item->rect.width(), 1), menus.barLine);
    if (item->state & QStyle::State_Selected && item->state & QStyle::State_Enabled) {
        ThemeBox box;
        box.radius = menus.itemRadius;
        paintBox(painter, item->rect, box, menus.itemSelected, QColor());
    }
    QPalette palette = item->palette;
    palette.setColor(QPalette::ButtonText, menus.text);
    style->drawItemText(painter, item->rect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine,
                        palette, item->state & QStyle::State_Enabled, item->text, QPalette::ButtonText);
}

void paintMenuItem(QPainter* painter, const QStyleOptionMenuItem* item, const ThemeMenus& menus, const QStyle* style)
{
    painter->fillRect(item->rect, menus.menuFill);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->fillRect(QRect(item->rect.left() + 8, item->rect.center().y(), item->rect.width() - 16, 1), menus.menuBorder);
        return;
    }
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

}  // namespace

void ProgramStyle::polish(QWidget* widget)
{
    DeferredIconsStyle::polish(widget);
    Theme::Dress(widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const ThemeLook* look = lookOf(widget);
    switch (element) {
    case PE_Widget:
        if (look && look->hasBox()) {
            if (qobject_cast<const QGroupBox*>(widget))
                paintBox(painter, option->rect.adjusted(0, look->groupMarginTop, 0, 0), look->box, look->box.fill, look->box.border, true, false);
            else
                paintBox(painter, option->rect, look->box);
            return;
        }
        break;
    case PE_Frame:
    case PE_FrameLineEdit:
    case PE_FrameGroupBox:
        if (look && look->hasBox())
            return;
        break;
    case PE_PanelLineEdit:
        if (look && look->hasBox()) {
            const bool focus = option->state & State_HasFocus && look->focusBorder.isValid();
            paintBox(painter, option->rect, look->box, look->box.fill, focus ? look->focusBorder : look->box.border);
            return;
        }
        break;
    case PE_PanelButtonCommand:
        if (look && look->hasBox()) {
            const QBrush fill = option->state & (State_Sunken | State_On) && look->pressedFill.style() != Qt::NoBrush ? look->pressedFill
                                : option->state & State_MouseOver && look->hoverFill.style() != Qt::NoBrush ? look->hoverFill
                                                                                                          : look->box.fill;
            const bool focus = option->state & State_HasFocus && look->focusBorder.isValid();
            paintBox(painter, option->rect, look->box, fill, focus ? look->focusBorder : look->box.border);
            return;
        }
        break;
    case PE_FrameFocusRect:
        if (look && (look->hasBox() || look->roundIndicators))
            return;
        break;
    case PE_IndicatorRadioButton:
    case PE_IndicatorCheckBox:
        if (look && look->roundIndicators) {
            paintIndicator(painter, option, element == PE_IndicatorRadioButton, *look);
            return;
        }
        break;
    case PE_PanelItemViewItem:
        if (look && look->items) {
            if (option->state & State_Selected) {
                ThemeBox box;
                box.radius = look->items->selectedRadius;
                paintBox(painter, option->rect, box, look->items->selectedFill, QColor());
            }
            return;
        }
        break;
    case PE_PanelMenuBar:
        if (look && look->menus) {
            painter->fillRect(option->rect, look->menus->barFill);
            return;
        }
        break;
    case PE_PanelMenu:
    case PE_FrameMenu:
        if (look && look->menus) {
            ThemeBox box;
            box.borderWidth = 1;
            paintBox(painter, option->rect, box, look->menus->menuFill, look->menus->menuBorder);
            return;
        }
        break;
    case PE_FrameTabWidget:
        if (look) {
            const ThemeTabs& tabs = Theme::Tabs_Look();
            ThemeBox box;
            box.borderWidth = 1;
            paintBox(painter, option->rect, box, tabs.paneFill, tabs.border);
            return;
        }
        break;
    case PE_FrameTabBarBase:
        if (look)
            return;
        break;
    case PE_PanelScrollAreaCorner:
        if (isBodyArea(widget)) {
            painter->fillRect(option->rect, Theme::Scroll_Corner());
            return;
        }
        break;
    default:
        break;
    }
    DeferredIconsStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const ThemeLook* look = lookOf(widget);
    switch (element) {
    case CE_ShapedFrame:
        if (look && look->hasBox())
            return;
        break;
    case CE_PushButton:
        if (look && look->hasBox()) {
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
                proxy()->drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
                QStyleOptionButton label(*button);
                label.rect = proxy()->subElementRect(SE_PushButtonContents, option, widget);
                proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
                return;
            }
        }
        break;
    case CE_PushButtonBevel:
        if (look && look->hasBox()) {
            proxy()->drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
            return;
        }
        break;
    case CE_MenuBarEmptyArea:
        if (look && look->menus) {
            painter->fillRect(option->rect, look->menus->barFill);
            if (look->menus->barLine.isValid())
                painter->fillRect(QRect(option->rect.left(), option->rect.bottom(), option->rect.width(), 1), look->menus->barLine);
            return;
        }
        break;
    case CE_MenuBarItem:
        if (look && look->menus) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                paintMenuBarItem(painter, item, *look->menus, this, widget);
                return;
            }
        }
        break;
    case CE_MenuItem:
        if (look && look->menus) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                paintMenuItem(painter, item, *look->menus, this);
                return;
            }
        }
        break;
    case CE_MenuEmptyArea:
        if (look && look->menus) {
            painter->fillRect(option->rect, look->menus->menuFill);
            return;
        }
        break;
    case CE_TabBarTabShape:
        if (look) {
            if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
                const ThemeTabs& tabs = Theme::Tabs_Look();
                const bool selected = tab->state & State_Selected;
                const QRect r = tab->rect;
                painter->fillRect(r, selected ? tabs.selectedFill : tabs.fill);
                painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), tabs.border);
                painter->fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 1), tabs.border);
                painter->fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), tabs.border);
                return;
            }
        }
        break;
    case CE_TabBarTabLabel:
        if (look) {
            if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
                const ThemeTabs& tabs = Theme::Tabs_Look();
                const bool selected = tab->state & State_Selected;
                painter->save();
                QFont font = painter->font();
                font.setBold(selected);
                painter->setFont(font);
                QPalette palette = tab->palette;
                palette.setColor(QPalette::WindowText, selected ? tabs.selectedText : tabs.text);
                drawItemText(painter, tab->rect.marginsRemoved(tabs.padding + QMargins(1, 1, 1, 0)),
                             Qt::AlignCenter | Qt::TextShowMnemonic, palette, tab->state & State_Enabled, tab->text, QPalette::WindowText);
                painter->restore();
                return;
            }
        }
        break;
    case CE_ItemViewItem:
        if (look && look->items) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option)) {
                const ThemeItems& items = *look->items;
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
                DeferredIconsStyle::drawControl(element, &text, painter, widget);
                return;
            }
        }
        break;
    default:
        break;
    }
    DeferredIconsStyle::drawControl(element, option, painter, widget);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const ThemeLook* look = lookOf(widget);
    switch (control) {
    case CC_ComboBox:
        if (look && look->hasBox()) {
            const bool focus = option->state & State_HasFocus && look->focusBorder.isValid();
            paintBox(painter, option->rect, look->box, look->box.fill, focus ? look->focusBorder : look->box.border);
            QStyleOption arrow(*option);
            arrow.rect = proxy()->subControlRect(control, option, SC_ComboBoxArrow, widget);
            arrow.palette.setColor(QPalette::ButtonText, look->text);
            DeferredIconsStyle::drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
            return;
        }
        break;
    case CC_GroupBox:
        if (look && look->groupMarginTop > 0) {
            if (const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
                const QRect label = proxy()->subControlRect(control, option, SC_GroupBoxLabel, widget);
                painter->save();
                painter->setClipRegion(QRegion(option->rect).subtracted(label));
                paintBox(painter, proxy()->subControlRect(control, option, SC_GroupBoxFrame, widget), look->box, Qt::NoBrush, look->box.border);
                painter->restore();
                QPalette palette = group->palette;
                palette.setColor(QPalette::WindowText, look->titleText);
                painter->save();
                painter->setFont(titleFont(widget, *look));
                drawItemText(painter, label.adjusted(look->titlePadding, 0, -look->titlePadding, 0),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette, group->state & State_Enabled, group->text, QPalette::WindowText);
                painter->restore();
                return;
            }
        }
        break;
    case CC_ScrollBar:
        if (look && look->scrollBars) {
            if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
                const ThemeScrollBar& bars = *look->scrollBars;
                if (bars.track.isValid())
                    painter->fillRect(scrollGroove(bar, bars), bars.track);
                if (bar->maximum > bar->minimum) {
                    ThemeBox handle;
                    handle.radius = bars.handleRadius;
                    const QRect slider = scrollSlider(bar, bars).adjusted(bars.handleMargin, bars.handleMargin, -bars.handleMargin, -bars.handleMargin);
                    paintBox(painter, slider, handle, bars.handle, QColor());
                }
                return;
            }
        }
        break;
    default:
        break;
    }
    DeferredIconsStyle::drawComplexControl(control, option, painter, widget);
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

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const ThemeLook* look = lookOf(widget);
    if (look) {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            if (look->roundIndicators)
                return Theme::Indicator_Look().size;
            break;
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            if (look->labelSpacing >= 0)
                return look->labelSpacing;
            break;
        case PM_ButtonShiftHorizontal:
        case PM_ButtonShiftVertical:
        case PM_ButtonDefaultIndicator:
            if (look->hasBox())
                return 0;
            break;
        case PM_DefaultFrameWidth:
            if (look->hasBox())
                return look->box.border.isValid() ? look->box.borderWidth : 0;
            break;
        case PM_ScrollBarExtent:
            if (look->scrollBars)
                return look->scrollBars->extent;
            break;
        case PM_ScrollBarSliderMin:
            if (look->scrollBars)
                return look->scrollBars->handleMinLength;
            break;
        case PM_ScrollView_ScrollBarSpacing:
            if (look->hasBox())
                return 0;
            break;
        case PM_TabBarTabHSpace:
        case PM_TabBarTabVSpace:
        case PM_TabBarTabShiftHorizontal:
        case PM_TabBarTabShiftVertical:
        case PM_TabBarBaseOverlap:
            if (qobject_cast<const QTabBar*>(widget) || (widget && widget->inherits("QTabWidget")))
                return 0;
            break;
        case PM_MenuPanelWidth:
            if (look->menus)
                return 1;
            break;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            if (look->menus)
                return look->menus->menuPadding;
            break;
        default:
            break;
        }
    }
    return DeferredIconsStyle::pixelMetric(metric, option, widget);
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
