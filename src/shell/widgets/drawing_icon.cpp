#include "shell/widgets/drawing_icon.h"

#include "shell/table_text.h"
#include "shell/widgets/picture_box.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace {
class DrawingIconEngine : public QIconEngine {
public:
    explicit DrawingIconEngine(QString drawing) : drawing(std::move(drawing)) {}

    // The size is in device pixels: QIcon sets the pixel density on what it gets back.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return Fitted_Drawing(drawing, size, 1.0);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QIconEngine* clone() const override { return new DrawingIconEngine(drawing); }

private:
    QString drawing;
};
}  // namespace

QIcon Drawing_Icon(std::string_view drawing)
{
    return QIcon(new DrawingIconEngine(To_QString(drawing)));
}
