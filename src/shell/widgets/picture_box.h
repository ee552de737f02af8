#pragma once
#include "shell/picture_catalogue.h"

#include <QSize>
#include <QString>
#include <QWidget>

class QImage;
class QPixmap;

// Shows one drawing of the picture set, scaled to fit the box and drawn afresh at the box's
// size, so it is crisp at any size. An empty box shows nothing. A box that takes the focus can be
// pressed with Space or Enter, as a click does, and shows a focus ring.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows the picture at a catalogue position; a position outside the catalogue changes nothing.
    void showPicture(const PictureCatalogue& catalogue, int position);
    void showDrawing(std::string_view drawing);
    void clear();
    // The drawing on show ("stones/ruby"), empty when none.
    QString drawing() const { return current; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString current;
};

// Renders a drawing to a square pixmap of the given side; a null pixmap for an unknown drawing.
QPixmap Render_Drawing(std::string_view drawing, int side);

// The drawing ("stones/ruby") scaled to fit an area of that size in layout units and centred in
// it, on a transparent ground, at that pixel density; a null pixmap for an unknown drawing or an
// empty area. Each picture is rendered once and then served from QPixmapCache, because windows
// are opened again and again with the same pictures and a render costs far more than a copy.
// A picture rendered when the program was built is copied instead of rendered.
QPixmap Fitted_Drawing(const QString& drawing, QSize area, qreal ratio);

// Renders the drawing as Fitted_Drawing shows it, now, from its SVG.
QImage Draw_Drawing(const QString& drawing, QSize area, qreal ratio);
