#include "astro/moon_longitude.h"
#include "astro/moon_position.h"
#include "astro/time_scales.h"
#include "astro/zodiac_signs.h"

#include <QTest>

#include <cmath>
#include <string>

namespace {

int Days_In_Month(int month, int year)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

int Two_Digits(const std::string& row, std::size_t at)
{
    return (row[at] - '0') * 10 + (row[at + 1] - '0');
}

// The row agrees with the longitude it came from: the sign, the whole degrees within it and
// the whole minutes, each truncated.
bool Row_Matches(const std::string& row, double longitude)
{
    if (row.size() != 9 || row[2] != ' ' || row[6] != ' ')
        return false;
    const std::optional<ZodiacSign> sign = Sign_Of_Row(row);
    if (!sign)
        return false;
    const double degrees = std::floor(longitude);
    const int k = static_cast<int>(degrees) / 30;
    return sign->abbreviation == Zodiac_Signs[k].abbreviation
           && Two_Digits(row, 0) == static_cast<int>(degrees) - 30 * k
           && Two_Digits(row, 7) == static_cast<int>(std::floor(60.0 * (longitude - degrees)));
}

}  // namespace

class TestMoonPositionSweep : public QObject {
    Q_OBJECT

private slots:
    void everyHourFrom1901To2050NamesASign();
};

void TestMoonPositionSweep::everyHourFrom1901To2050NamesASign()
{
    long rows = 0;
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= Days_In_Month(month, year); ++day) {
                for (int hour = 0; hour < 24; ++hour) {
                    ChartInput input;
                    input.year = static_cast<std::int16_t>(year);
                    input.month = static_cast<std::int16_t>(month);
                    input.day = static_cast<std::int16_t>(day);
                    input.hour = static_cast<std::int16_t>(hour);
                    const std::string row = Moon_Position_Row(input);
                    const double longitude = Moon_Longitude(Julian_Centuries(Julian_Day_Number(month, day, year), hour));
                    if (!Row_Matches(row, longitude))
                        QFAIL(qPrintable(QStringLiteral("%1-%2-%3 %4h: row \"%5\" for %6 degrees")
                                             .arg(year).arg(month).arg(day).arg(hour)
                                             .arg(QString::fromStdString(row))
                                             .arg(longitude, 0, 'f', 6)));
                    ++rows;
                }
            }
        }
    }
    QCOMPARE(rows, (2470172L - 2415386L + 1) * 24);
}

QTEST_GUILESS_MAIN(TestMoonPositionSweep)
#include "test_moon_position_sweep.moc"
