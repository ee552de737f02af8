#include "shell/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {
QString resourcePath(const QString& drawing)
{
    return QStringLiteral(":/pictures/") + drawing + QStringLiteral(".svg");
}

void paintDrawing(QPainter& painter, const QString& drawing, const QRectF& area)
{
    QSvgRenderer renderer(resourcePath(drawing));
    if (!renderer.isValid())
        return;
    QSizeF size = renderer.defaultSize();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
    renderer.render(&painter, target);
}
}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::showPicture(const PictureCatalogue& catalogue, int position)
{
    if (const PictureEntry* entry = catalogue.at(position))
        showDrawing(entry->drawing);
}

void PictureBox::showDrawing(std::string_view drawing)
{
    current = QString::fromUtf8(drawing.data(), static_cast<qsizetype>(drawing.size()));
    update();
}

void PictureBox::clear()
{
    current.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (current.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDrawing(painter, current, rect());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit clicked();
}

QPixmap Render_Drawing(std::string_view drawing, int side)
{
    const QString name = QString::fromUtf8(drawing.data(), static_cast<qsizetype>(drawing.size()));
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid() || side <= 0)
        return {};
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDrawing(painter, name, QRectF(0, 0, side, side));
    return pixmap;
}
