#pragma once
#include "moon/moon_month.h"

#include <QDate>
#include <QWidget>
#include <vector>

class QPainter;

// The month as a grid of weeks, the week starting on the locale's first day: each day with its
// number, the phase drawn, the sign it opens in, and each change of sign and phase with its
// minute. Today is ringed, the chosen day filled; a click or the arrow keys choose a day.
class MoonMonthGrid : public QWidget {
    Q_OBJECT
public:
    explicit MoonMonthGrid(QWidget* parent = nullptr);

    // Shows the month's days; today is marked when it is one of them. The chosen day stays the
    // same day of the month, or the month's last day.
    void showMonth(std::vector<MoonDay> monthDays, QDate today);
    const std::vector<MoonDay>& monthDays() const { return days; }

    // The chosen day; nullptr for an empty month.
    const MoonDay* chosenDay() const;
    void choose(QDate date);

    // Draws the grid into an area of any device: the window, or a printed page.
    void paintGrid(QPainter& painter, const QRectF& area) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void chosen(QDate date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int columnOf(QDate date) const;
    int leadingBlanks() const;

    std::vector<MoonDay> days;
    QDate today;
    int chosenIndex = 0;
};
