#include "astro/position_text.h"

#include "astro/utf8_text.h"
#include "astro/zodiac_signs.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr std::string_view Degree_Mark = "\u00B0";
constexpr char Minute_Mark = '\'';
constexpr char Blank = ' ';

// Writes a whole number from 0 to 99 in plain decimal, without leading zeros.
char* Put_Whole(char* out, int value)
{
    if (value >= 10)
        *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

char* Put(char* out, std::string_view text)
{
    return std::copy(text.begin(), text.end(), out);
}

std::string_view Trim_Blanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blank);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blank) - first + 1);
}

char* Put_Without_Blanks(char* out, std::string_view part)
{
    return std::remove_copy(part.begin(), part.end(), out, Blank);
}

// A number part of the row: blanks removed, then a leading "0" when one character or none is
// left. Needs room for one byte more than the part.
char* Put_Number_Part(char* out, std::string_view part)
{
    char* end = Put_Without_Blanks(out, part);
    if (Utf8_Length(std::string_view(out, static_cast<std::size_t>(end - out))) <= 1) {
        std::copy_backward(out, end, end + 1);
        *out = '0';
        ++end;
    }
    return end;
}

// The parts of a position: whole degrees within the sign, minutes and seconds (all truncated,
// never rounded up into the next sign) and the sign's index, 12 for exactly 360 degrees. The
// sign of the longitude is dropped; beyond a turn either way, or not a number, has no parts.
struct PositionParts {
    int degreesInSign;
    int minutes;
    int seconds;
    int signIndex;
};

std::optional<PositionParts> Position_Parts(double longitude)
{
    const double x = std::fabs(longitude);
    if (!(x <= 360.0))
        return std::nullopt;
    // Truncating a value that is not negative takes its floor.
    const int wholeDegrees = static_cast<int>(x);
    const double minutesTotal = 60.0 * (x - wholeDegrees);
    const int wholeMinutes = static_cast<int>(minutesTotal);
    const int wholeSeconds = static_cast<int>(60.0 * (minutesTotal - wholeMinutes));
    const int signIndex = wholeDegrees / 30;
    return PositionParts{wholeDegrees - 30 * signIndex, wholeMinutes, wholeSeconds, signIndex};
}

std::string_view Sign_Abbreviation(int signIndex)
{
    return Sign_Abbreviations.substr(3 * static_cast<std::size_t>(signIndex), 3);
}

// Writes a number from 0 to 99 as two digits.
char* Put_Two_Digits(char* out, int value)
{
    *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

}  // namespace

PositionText Position_Text(double longitude)
{
    PositionText text;
    const std::optional<PositionParts> parts = Position_Parts(longitude);
    if (!parts)
        return text;
    char* end = Put_Whole(text.bytes.data(), parts->degreesInSign);
    end = Put(end, Degree_Mark);
    *end++ = Blank;
    end = Put_Whole(end, parts->minutes);
    *end++ = Minute_Mark;
    *end++ = Blank;
    end = Put_Whole(end, parts->seconds);
    *end++ = '"';
    *end++ = Blank;
    if (parts->signIndex < 12)
        end = Put(end, Sign_Abbreviation(parts->signIndex));
    text.length = static_cast<std::size_t>(end - text.bytes.data());
    return text;
}

std::string Format_Longitude(double longitude)
{
    return std::string(Position_Text(longitude).view());
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

    const std::string_view abbreviation = Utf8_Last(positionText, 3);
    // Room for every part, both blanks and a leading "0" on each number part.
    std::string row(degrees.size() + abbreviation.size() + minutes.size() + 4, Blank);
    char* end = Put_Number_Part(row.data(), degrees);
    *end++ = Blank;
    end = Put_Without_Blanks(end, abbreviation);
    *end++ = Blank;
    end = Put_Number_Part(end, minutes);
    row.resize(static_cast<std::size_t>(end - row.data()));
    return row;
}

std::string Longitude_Row(double longitude)
{
    const std::optional<PositionParts> parts = Position_Parts(longitude);
    if (!parts || parts->signIndex == 12)
        return Position_Row(Position_Text(longitude).view());
    // Both number parts have their two digits and the abbreviation its three letters, so the
    // row needs no reading back from the text.
    std::string row(9, Blank);
    char* end = Put_Two_Digits(row.data(), parts->degreesInSign);
    end = Put(end + 1, Sign_Abbreviation(parts->signIndex));
    Put_Two_Digits(end + 1, parts->minutes);
    return row;
}
