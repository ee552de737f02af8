#include "contact_sheet.h"

#include "divination/divination_pictures.h"
#include "gemology/gemology_pictures.h"
#include "healing/healing_pictures.h"
#include "shell/widgets/picture_box.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace {
struct SheetSection {
    const char* name;
    const PictureCatalogue* catalogue;
};

constexpr std::array Sections{
    SheetSection{"ImglistSunSign", &ImglistSunSign},     SheetSection{"imgListMoonSign", &imgListMoonSign},
    SheetSection{"ImgSunSignStone", &ImgSunSignStone},   SheetSection{"ImgMoonSignStone", &ImgMoonSignStone},
    SheetSection{"ImgBirthStone", &ImgBirthStone},       SheetSection{"Healing_IMG", &Healing_IMG},
    SheetSection{"Divination_IMG", &Divination_IMG},
};

constexpr int Picture = 120;
constexpr int Columns = 12;
constexpr int Margin = 16;
constexpr int CellWidth = Picture + 16;
constexpr int CellHeight = Picture + 40;
constexpr int HeadingHeight = 34;
constexpr int TitleHeight = 44;

struct Palette {
    QColor background, cell, text, faint;
};

Palette paletteFor(SheetTheme theme)
{
    if (theme == SheetTheme::Dark)
        return {QColor(0x2b, 0x2b, 0x30), QColor(0x35, 0x35, 0x3b), QColor(0xee, 0xee, 0xee), QColor(0x9a, 0x9a, 0xa4)};
    return {QColor(0xf4, 0xf4, 0xf2), QColor(0xff, 0xff, 0xff), QColor(0x20, 0x20, 0x20), QColor(0x70, 0x70, 0x70)};
}

int rowsOf(const PictureCatalogue& catalogue)
{
    return (catalogue.size() + Columns - 1) / Columns;
}

QString keyText(const PictureEntry& entry)
{
    return QString::fromUtf8(entry.key.data(), static_cast<qsizetype>(entry.key.size()));
}

void paintCell(QPainter& painter, const Palette& palette, QPoint origin, int position, const PictureEntry& entry)
{
    const QRect cell(origin, QSize(CellWidth - 6, CellHeight - 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.cell);
    painter.drawRoundedRect(cell, 6, 6);
    painter.drawPixmap(origin + QPoint((cell.width() - Picture) / 2, 4), Render_Drawing(entry.drawing, Picture));

    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QRect label(cell.left() + 4, cell.top() + Picture + 6, cell.width() - 8, 14);
    painter.setPen(palette.faint);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, QString::number(position));
    painter.setPen(palette.text);
    painter.drawText(label.translated(0, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(keyText(entry), Qt::ElideRight, label.width()));
}
}  // namespace

QImage Render_Contact_Sheet(SheetTheme theme)
{
    int height = Margin + TitleHeight;
    for (const SheetSection& section : Sections)
        height += HeadingHeight + rowsOf(*section.catalogue) * CellHeight;
    const int width = 2 * Margin + Columns * CellWidth;

    const Palette palette = paletteFor(theme);
    QImage sheet(width, height + Margin, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(palette.background);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QFont title = painter.font();
    title.setPixelSize(20);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(palette.text);
    painter.drawText(QRect(Margin, Margin, width - 2 * Margin, TitleHeight - 8), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Zev Gemmarium: the picture catalogues"));

    int top = Margin + TitleHeight;
    for (const SheetSection& section : Sections) {
        QFont heading = painter.font();
        heading.setPixelSize(15);
        heading.setBold(true);
        painter.setFont(heading);
        painter.setPen(palette.text);
        painter.drawText(QRect(Margin, top, width - 2 * Margin, HeadingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1  (%2 pictures)").arg(QLatin1String(section.name)).arg(section.catalogue->size()));
        top += HeadingHeight;
        painter.setFont(QFont());
        for (int position = 1; position <= section.catalogue->size(); ++position) {
            const int index = position - 1;
            const QPoint origin(Margin + (index % Columns) * CellWidth, top + (index / Columns) * CellHeight);
            paintCell(painter, palette, origin, position, *section.catalogue->at(position));
        }
        top += rowsOf(*section.catalogue) * CellHeight;
    }
    return sheet;
}

bool Write_Contact_Sheet(const QString& path, SheetTheme theme)
{
    return Render_Contact_Sheet(theme).save(path, "PNG");
}
