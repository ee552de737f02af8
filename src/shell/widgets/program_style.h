#pragma once
#include "shell/widgets/theme.h"
#include "shell/widgets/deferred_icons_style.h"

class QPainter;
struct ThemeLook;

// The program's style: the desktop's, drawing the program's own controls in the colours,
// gradients and shapes of its theme (theme.h): boxes with round corners, buttons, fields,
// drop-downs, the radio buttons and check boxes, group boxes, menu bars and menus, the display
// window's tabs, list rows and scroll bars. Controls the theme leaves alone (the file and print
// dialogs) keep the desktop's look.
class ProgramStyle : public DeferredIconsStyle {
public:
    using DeferredIconsStyle::DeferredIconsStyle;

    void polish(QWidget* widget) override;
    using DeferredIconsStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr, const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returned = nullptr) const override;

private:
    // Each draws in the control's look and says whether it did; when not, the desktop's style draws.
    bool drawLook(PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget,
                  const ThemeLook& look) const;
    bool drawLook(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget,
                  const ThemeLook& look) const;
    bool drawLook(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget,
                  const ThemeLook& look) const;
    // A list row of the desktop's look whose text is all it holds; says whether it drew it.
    bool drawDesktopRow(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
};

// Gives the running application the program's style, on top of the desktop's.
void Use_Program_Style();

// The ring that shows which control has the keyboard, two pixels wide along the inside of the
// rectangle, in the theme's focus colour or the one given.
void Draw_Focus_Ring(QPainter* painter, const QRect& rect, const QColor& colour = Theme::Focus_Ring());
