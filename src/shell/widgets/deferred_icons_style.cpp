#include "shell/widgets/deferred_icons_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace {
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style(const_cast<QStyle*>(style)), which(which), widget(const_cast<QWidget*>(widget))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    bool isNull() override { return icon().isNull(); }

    QIconEngine* clone() const override
    {
        auto* copy = new DeferredStandardIcon(style, which, widget);
        copy->fetched = fetched;
        return copy;
    }

private:
    const QIcon& icon()
    {
        if (!fetched)
            fetched = style ? style->standardIcon(which, nullptr, widget) : QIcon();
        return *fetched;
    }

    QPointer<QStyle> style;  // QPointer holds no const objects
    QStyle::StandardPixmap which;
    QPointer<QWidget> widget;
    std::optional<QIcon> fetched;
};
}  // namespace

QIcon DeferredIconsStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (option || !baseStyle())
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredStandardIcon(baseStyle(), icon, widget));
}
