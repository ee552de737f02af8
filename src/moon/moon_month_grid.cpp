#include "moon/moon_month_grid.h"

#include "astro/zodiac_signs.h"
#include "shell/widgets/moon_phase_box.h"
#include "text/calendar_text.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int Columns = 7;
constexpr int Rows = 6;
constexpr double Header_Lines = 1.6;

QString Abbreviation(int sign)
{
    const std::string_view abbreviation = Zodiac_Signs[static_cast<std::size_t>(sign)].abbreviation;
    return QString::fromLatin1(abbreviation.data(), static_cast<qsizetype>(abbreviation.size()));
}

QString Name(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One line of a day's cell for an event: "Sco 14:37" for a change, "Full 07:00" for a phase.
QString Cell_Line(const DayEvent& event)
{
    const QString time = Clock_Text(event.local.time());
    switch (event.event.kind) {
    case MoonEventKind::SignChange: return QStringLiteral("\u2192 %1 %2").arg(Abbreviation(event.event.sign), time);
    case MoonEventKind::NewMoon: return QStringLiteral("\u25cf New %1").arg(time);
    case MoonEventKind::FirstQuarter: return QStringLiteral("\u25d0 1st Q %1").arg(time);
    case MoonEventKind::FullMoon: return QStringLiteral("\u25cb Full %1").arg(time);
    case MoonEventKind::LastQuarter: return QStringLiteral("\u25d1 Last %1").arg(time);
    }
    return {};
}

}  // namespace

MoonMonthGrid::MoonMonthGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize MoonMonthGrid::sizeHint() const
{
    return {Columns * 96, Rows * 64 + 24};
}

QSize MoonMonthGrid::minimumSizeHint() const
{
    return {Columns * 84, Rows * 50 + 22};
}

void MoonMonthGrid::showMonth(std::vector<MoonDay> monthDays, QDate shownToday)
{
    const int chosenDayOfMonth = chosenIndex + 1;
    days = std::move(monthDays);
    today = shownToday;
    chosenIndex = days.empty() ? 0 : std::min(chosenDayOfMonth, static_cast<int>(days.size())) - 1;
    update();
}

const MoonDay* MoonMonthGrid::chosenDay() const
{
    return days.empty() ? nullptr : &days[static_cast<std::size_t>(chosenIndex)];
}

void MoonMonthGrid::choose(QDate date)
{
    if (days.empty() || date.year() != days.front().date.year() || date.month() != days.front().date.month())
        return;
    chosenIndex = date.day() - 1;
    update();
    emit chosen(date);
}

int MoonMonthGrid::columnOf(QDate date) const
{
    const int first = QLocale().firstDayOfWeek();
    return (date.dayOfWeek() - first + 7) % 7;
}

int MoonMonthGrid::leadingBlanks() const
{
    return days.empty() ? 0 : columnOf(days.front().date);
}

void MoonMonthGrid::paintGrid(QPainter& painter, const QRectF& area) const
{
    const QFontMetricsF metrics(painter.font());
    const double header = metrics.height() * Header_Lines;
    const double width = area.width() / Columns;
    const double height = (area.height() - header) / Rows;
    const QPalette& colours = palette();

    painter.save();
    QFont bold = painter.font();
    bold.setBold(true);
    const QFont plain = painter.font();
    const int first = QLocale().firstDayOfWeek();
    painter.setFont(bold);
    painter.setPen(colours.color(QPalette::WindowText));
    for (int column = 0; column < Columns; ++column) {
        const int weekday = (first - 1 + column) % 7 + 1;
        painter.drawText(QRectF(area.left() + column * width, area.top(), width, header), Qt::AlignCenter,
                         QLocale().dayName(weekday, QLocale::ShortFormat));
    }
    const double line = metrics.height();
    for (std::size_t at = 0; at < days.size(); ++at) {
        const MoonDay& day = days[at];
        const int cell = leadingBlanks() + static_cast<int>(at);
        const QRectF box(area.left() + (cell % Columns) * width, area.top() + header + (cell / Columns) * height,
                         width, height);
        const bool isChosen = static_cast<int>(at) == chosenIndex;
        painter.setPen(QPen(colours.color(QPalette::Mid), 1));
        painter.setBrush(isChosen ? colours.color(QPalette::Highlight) : colours.color(QPalette::Base));
        painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
        if (day.date == today) {
            painter.setPen(QPen(colours.color(QPalette::Link), 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(2, 2, -2, -2));
        }
        const QColor ink = colours.color(isChosen ? QPalette::HighlightedText : QPalette::Text);
        const QRectF inside = box.adjusted(5, 3, -4, -3);
        const double disc = std::min(line, inside.height() / 2);
        Paint_Moon_Phase(painter, QRectF(inside.right() - disc, inside.top(), disc, disc), day.elongation);

        painter.setPen(ink);
        painter.setFont(bold);
        const QString number = QString::number(day.date.day());
        painter.drawText(QRectF(inside.left(), inside.top(), inside.width(), line), Qt::AlignLeft, number);
        painter.setFont(plain);
        const double signLeft = QFontMetricsF(bold).horizontalAdvance(number + QLatin1Char(' '));
        const double signRoom = inside.width() - signLeft - disc - 2;
        const QString sign = Name(Zodiac_Sign_Name(day.startSign));
        painter.drawText(QRectF(inside.left() + signLeft, inside.top(), signRoom, line), Qt::AlignLeft | Qt::TextSingleLine,
                         metrics.horizontalAdvance(sign) <= signRoom ? sign : Abbreviation(day.startSign));
        double y = inside.top() + line;
        const auto write = [&](const QString& text) {
            if (y + line > inside.bottom() + 1)
                return;
            painter.drawText(QRectF(inside.left(), y, inside.width(), line), Qt::AlignLeft | Qt::TextSingleLine,
                             metrics.elidedText(text, Qt::ElideRight, inside.width()));
            y += line;
        };
        for (const DayEvent& event : day.events)
            write(Cell_Line(event));
    }
    painter.restore();
}

void MoonMonthGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    paintGrid(painter, QRectF(rect()).adjusted(0, 0, -1, -1));
}

void MoonMonthGrid::mousePressEvent(QMouseEvent* event)
{
    const double header = QFontMetricsF(font()).height() * Header_Lines;
    const QPointF at = event->position();
    const int column = static_cast<int>(at.x() / (width() / double(Columns)));
    const int row = static_cast<int>((at.y() - header) / ((height() - header) / Rows));
    const int index = row * Columns + column - leadingBlanks();
    if (at.y() >= header && column < Columns && index >= 0 && index < static_cast<int>(days.size()))
        choose(days[static_cast<std::size_t>(index)].date);
}

void MoonMonthGrid::keyPressEvent(QKeyEvent* event)
{
    const int steps[] = {-1, 1, -Columns, Columns};
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    for (std::size_t at = 0; at < std::size(keys); ++at) {
        if (event->key() == keys[at] && !days.empty()) {
            const int index = std::clamp(chosenIndex + steps[at], 0, static_cast<int>(days.size()) - 1);
            choose(days[static_cast<std::size_t>(index)].date);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
