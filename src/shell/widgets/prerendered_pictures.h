#pragma once
#include <QImage>
#include <QSize>
#include <QString>

// Pictures the launcher's first frame shows, rendered when the program is built (assets/ lists
// them) and stored as raw pixels in the machine's premultiplied ARGB32 layout, so that start-up
// copies them instead of parsing and drawing SVG. They are the same pixels Draw_Drawing gives.

// The file a picture is stored in, relative to the folder of stored pictures:
// "app/icon-32x32@2.argb32" for app/icon fitted to 32 x 32 at pixel density 2.
QString Prerendered_Name(const QString& drawing, QSize area, qreal ratio);

// The stored picture of a drawing at that size and density; a null image when none was stored.
QImage Prerendered_Drawing(const QString& drawing, QSize area, qreal ratio);

// Stores a rendered picture under its name in a folder, making the subfolders it needs.
bool Write_Prerendered(const QString& folder, const QString& drawing, QSize area, const QImage& image);
