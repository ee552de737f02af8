#include "shell/widgets/moon_phase_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
constexpr double Degrees_To_Radians = 0.0174532925199433;
const QColor Dark_Side(0x3a, 0x3f, 0x4f);
const QColor Lit_Side(0xf6, 0xf0, 0xd6);
const QColor Rim(0x8a, 0x90, 0xa4);
}  // namespace

void Paint_Moon_Phase(QPainter& painter, const QRectF& square, double elongation)
{
    const double side = std::min(square.width(), square.height()) - 2;
    const QRectF disc(square.center().x() - side / 2, square.center().y() - side / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Dark_Side);
    painter.drawEllipse(disc);

    // The lit half on the right, then the terminator back to the top: an ellipse as wide as the
    // cosine of the elongation, bulging right for a crescent and left for a gibbous Moon. A waning
    // Moon is the waxing one mirrored.
    const double waxing = std::fmod(std::fmod(elongation, 360.0) + 360.0, 360.0);
    const bool waning = waxing >= 180;
    const double angle = waning ? 360.0 - waxing : waxing;
    const double halfWidth = side / 2 * std::abs(std::cos(angle * Degrees_To_Radians));
    const QRectF terminator(disc.center().x() - halfWidth, disc.top(), 2 * halfWidth, side);
    QPainterPath lit(QPointF(disc.center().x(), disc.top()));
    lit.arcTo(disc, 90, -180);
    lit.arcTo(terminator, 270, angle < 90 ? 180 : -180);
    lit.closeSubpath();
    if (waning) {
        painter.translate(disc.center().x() * 2, 0);
        painter.scale(-1, 1);
    }
    painter.setBrush(Lit_Side);
    painter.drawPath(lit);
    painter.restore();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Rim, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
    painter.restore();
}

MoonPhaseBox::MoonPhaseBox(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void MoonPhaseBox::setElongation(double elongation)
{
    shown = elongation;
    update();
}

void MoonPhaseBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint_Moon_Phase(painter, QRectF(rect()), shown);
}

void MoonPhaseBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
