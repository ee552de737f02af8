#include "shell/widgets/picture_box.h"

#include "shell/widgets/accessible_controls.h"
#include "shell/table_text.h"
#include "shell/widgets/prerendered_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QtMath>

namespace {

void paintDrawing(QPainter& painter, QSvgRenderer& renderer, const QRectF& area)
{
    QSizeF size = renderer.defaultSize();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
    renderer.render(&painter, target);
}
}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    Install_Accessible_Controls();
}

void PictureBox::showPicture(const PictureCatalogue& catalogue, int position)
{
    if (const PictureEntry* entry = catalogue.at(position))
        showDrawing(entry->drawing);
}

void PictureBox::showDrawing(std::string_view drawing)
{
    current = To_QString(drawing);
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
    const QPixmap picture = Fitted_Drawing(current, size(), devicePixelRatioF());
    if (!picture.isNull())
        QPainter(this).drawPixmap(0, 0, picture);
    Paint_Focus_Ring(this);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (Accept_Press_Key(this, event))
        emit clicked();
    else
        QWidget::keyPressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit clicked();
}

QImage Draw_Drawing(const QString& drawing, QSize area, qreal ratio)
{
    if (area.isEmpty())
        return {};
    // Parsed for each picture it draws: a picture is drawn once per size and then kept, and a
    // parsed drawing kept besides would hold several times the memory of the picture.
    QSvgRenderer renderer(QStringLiteral(":/pictures/") + drawing + QStringLiteral(".svg"));
    if (!renderer.isValid())
        return {};
    QImage image(qCeil(area.width() * ratio), qCeil(area.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDrawing(painter, renderer, QRectF(QPointF(0, 0), area));
    return image;
}

QPixmap Fitted_Drawing(const QString& drawing, QSize area, qreal ratio)
{
    if (area.isEmpty())
        return {};
    const QString key = QStringLiteral("drawing %1 %2x%3 @%4")
                            .arg(drawing).arg(area.width()).arg(area.height()).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImage image = Prerendered_Drawing(drawing, area, ratio);
    if (image.isNull())
        image = Draw_Drawing(drawing, area, ratio);
    if (image.isNull())
        return {};
    pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap Render_Drawing(std::string_view drawing, int side)
{
    // Drawn at the screen's pixel density, so the picture stays sharp on high-density screens;
    // its size in layout units is side x side.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return Fitted_Drawing(To_QString(drawing), QSize(side, side), ratio);
}
