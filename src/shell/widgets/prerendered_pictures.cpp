#include "shell/widgets/prerendered_pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtMath>

#include <cstring>

QString Prerendered_Name(const QString& drawing, QSize area, qreal ratio)
{
    return QStringLiteral("%1-%2x%3@%4.argb32").arg(drawing).arg(area.width()).arg(area.height()).arg(ratio);
}

QImage Prerendered_Drawing(const QString& drawing, QSize area, qreal ratio)
{
    QFile file(QStringLiteral(":/prerendered/") + Prerendered_Name(drawing, area, ratio));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pixels = file.readAll();
    QImage image(qCeil(area.width() * ratio), qCeil(area.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    if (pixels.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    image.setDevicePixelRatio(ratio);
    return image;
}

bool Write_Prerendered(const QString& folder, const QString& drawing, QSize area, const QImage& image)
{
    const QString path = folder + QLatin1Char('/') + Prerendered_Name(drawing, area, image.devicePixelRatio());
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly))
        return false;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return file.write(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()) == pixels.sizeInBytes();
}
