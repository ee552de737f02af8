#include "text/calendar_text.h"

#include "text/month_names.h"

#include <cmath>
#include <cstdlib>

QString Date_Text(QDate date)
{
    if (!date.isValid())
        return {};
    const std::string_view month = Month_Names.at(static_cast<std::size_t>(date.month() - 1));
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())))
        .arg(date.year());
}

QString Clock_Text(QTime time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

QString Degrees_Minutes_Text(int signedMinutes, QChar positiveSide, QChar negativeSide)
{
    const int size = std::abs(signedMinutes);
    return QStringLiteral("%1°%2′ %3")
        .arg(size / 60)
        .arg(size % 60, 2, 10, QLatin1Char('0'))
        .arg(signedMinutes < 0 ? negativeSide : positiveSide);
}

int Nearest_Minute(double minutes)
{
    return static_cast<int>(std::lround(minutes));
}
