#pragma once
#include "shell/picture_catalogue.h"

#include <QString>
#include <QWidget>

class QPixmap;

// Shows one drawing of the picture set, scaled to fit the box and drawn afresh at the box's
// size, so it is crisp at any size. An empty box shows nothing.
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

private:
    QString current;
};

// Renders a drawing to a square pixmap of the given side; a null pixmap for an unknown drawing.
QPixmap Render_Drawing(std::string_view drawing, int side);
