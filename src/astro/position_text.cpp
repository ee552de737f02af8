#include "astro/position_text.h"

#include "astro/utf8_text.h"
#include "astro/zodiac_signs.h"

#include <charconv>
#include <cmath>

namespace {

constexpr std::string_view Degree_Mark = "\u00B0";
constexpr char Minute_Mark = '\'';
constexpr char Blank = ' ';

// value is a whole number from 0 to 60.
void Append_Whole(std::string& text, double value)
{
    char digits[4];
    const auto written = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(value));
    text.append(digits, written.ptr);
}

std::string_view Trim_Blanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blank);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blank) - first + 1);
}

void Append_Without_Blanks(std::string& row, std::string_view part)
{
    for (const char c : part) {
        if (c != Blank)
            row.push_back(c);
    }
}

// A number part of the row: blanks removed, then a leading "0" when one character or none is left.
void Append_Number_Part(std::string& row, std::string_view part)
{
    const std::size_t start = row.size();
    Append_Without_Blanks(row, part);
    if (Utf8_Length(std::string_view(row).substr(start)) <= 1)
        row.insert(start, 1, '0');
}

}  // namespace

std::string Format_Longitude(double longitude)
{
    const double x = std::fabs(longitude);
    if (!std::isfinite(x))
        return {};
    const double wholeDegrees = std::floor(x);
    const double minutesTotal = 60.0 * (x - wholeDegrees);
    const double wholeMinutes = std::floor(minutesTotal);
    const double wholeSeconds = std::floor(60.0 * (minutesTotal - wholeMinutes));
    const double signIndex = std::floor(wholeDegrees / 30.0);

    std::string text;
    text.reserve(20);
    Append_Whole(text, std::fmod(wholeDegrees, 30.0));
    text.append(Degree_Mark);
    text.push_back(Blank);
    Append_Whole(text, wholeMinutes);
    text.push_back(Minute_Mark);
    text.push_back(Blank);
    Append_Whole(text, wholeSeconds);
    text.append("\" ");
    if (signIndex < 12.0)
        text.append(Sign_Abbreviations.substr(3 * static_cast<std::size_t>(signIndex), 3));
    return text;
}

std::string Position_Row(std::string_view positionText)
{
    const std::string_view t = Trim_Blanks(positionText);
    std::string_view degrees;
    std::string_view minutes;
    if (const std::size_t degreeAt = t.find(Degree_Mark); degreeAt != std::string_view::npos) {
        degrees = t.substr(0, degreeAt);
        const std::string_view afterDegree = t.substr(degreeAt + Degree_Mark.size());
        if (const std::size_t minuteAt = afterDegree.find(Minute_Mark); minuteAt != std::string_view::npos)
            minutes = afterDegree.substr(0, minuteAt);
    }

    std::string row;
    row.reserve(9);
    Append_Number_Part(row, degrees);
    row.push_back(Blank);
    Append_Without_Blanks(row, Utf8_Last(positionText, 3));
    row.push_back(Blank);
    Append_Number_Part(row, minutes);
    return row;
}
