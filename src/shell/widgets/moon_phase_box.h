#pragma once
#include <QWidget>

class QPainter;
class QRectF;

// Draws the Moon's disc in a square as seen from the northern hemisphere at a Moon-Sun
// elongation in degrees: dark at 0, lit from the right while it waxes, full at 180, lit from the
// left while it wanes.
void Paint_Moon_Phase(QPainter& painter, const QRectF& square, double elongation);

// The Moon's phase drawn in the largest square the box holds. A click reports clicked().
class MoonPhaseBox : public QWidget {
    Q_OBJECT
public:
    explicit MoonPhaseBox(QWidget* parent = nullptr);

    void setElongation(double elongation);
    double elongation() const { return shown; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double shown = 0;
};
