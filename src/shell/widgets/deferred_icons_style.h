#pragma once
#include <QProxyStyle>

// The desktop's own style, except that a standard icon asked for without a style option is
// fetched only when something first draws or measures it. Every menu bar asks for its overflow
// arrow when it is made, and fetching that one picture loads all of Qt's picture-format plugins,
// although the arrow shows only when a window is too narrow for its menus.
class DeferredIconsStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
