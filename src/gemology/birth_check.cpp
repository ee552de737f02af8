#include "gemology/birth_check.h"

#include <QDate>

#include <algorithm>

namespace {

// One of the four number fields: the largest value it takes and what the user is told when
// it holds anything else. Checked in this order.
struct NumberRule {
    QString BirthEntry::*text;
    int largest;
    const char* message;
    EntryField field;
};

constexpr NumberRule Number_Rules[] = {
    {&BirthEntry::longitudeDegrees, 179, "Please Enter Value Between 0 And 179 in the Degree of Longitude",
     EntryField::longitudeDegrees},
    {&BirthEntry::longitudeMinutes, 59, "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
     EntryField::longitudeMinutes},
    {&BirthEntry::latitudeDegrees, 89, "Please Enter Value Between 0 And 89 in the Degree of Latitude",
     EntryField::latitudeDegrees},
    {&BirthEntry::latitudeMinutes, 59, "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
     EntryField::latitudeMinutes},
};

constexpr int Saturated_Number = 1'000'000;

constexpr int February = 2;

bool Has_Thirty_Days(int month)
{
    return month == 4 || month == 6 || month == 9 || month == 11;
}

EntryProblem Problem(const char* message, ProblemIcon icon, std::optional<EntryField> focus = std::nullopt)
{
    return {QString::fromLatin1(message), icon, focus};
}

std::int16_t Checked_Number(const QString& text)
{
    return static_cast<std::int16_t>(Plain_Number(text).value_or(0));
}

// The place fields in the order they are asked for.
struct PlaceRule {
    QString BirthData::*text;
    const char* message;
    EntryField field;
};

constexpr PlaceRule Place_Rules[] = {
    {&BirthData::city, "Please Enter City", EntryField::city},
    {&BirthData::state, "Please Enter State", EntryField::state},
    {&BirthData::country, "Please Enter Country", EntryField::country},
};

}  // namespace

std::optional<int> Plain_Number(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar character : trimmed) {
        if (character < u'0' || character > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (character.unicode() - u'0'), Saturated_Number);
    }
    return value;
}

std::optional<EntryProblem> Birth_Entry_Problem(const BirthEntry& entry)
{
    const BirthData& birth = entry.birth;
    if (birth.name.trimmed().isEmpty())
        return Problem("Please Enter Name", ProblemIcon::error, EntryField::name);

    for (const NumberRule& rule : Number_Rules) {
        const std::optional<int> value = Plain_Number(entry.*rule.text);
        if (!value || *value > rule.largest)
            return Problem(rule.message, ProblemIcon::error, rule.field);
    }

    if (birth.month == February && birth.day > (QDate::isLeapYear(birth.year) ? 29 : 28))
        return Problem("Please Enter Correct Date Or Month!", ProblemIcon::information);
    if (Has_Thirty_Days(birth.month) && birth.day == 31)
        return Problem("Please Enter Correct Date Or Month !", ProblemIcon::information);
    return std::nullopt;
}

BirthData Birth_Data_Of(const BirthEntry& entry)
{
    BirthData birth = entry.birth;
    birth.latitudeDegrees = Checked_Number(entry.latitudeDegrees);
    birth.latitudeMinutes = Checked_Number(entry.latitudeMinutes);
    birth.longitudeDegrees = Checked_Number(entry.longitudeDegrees);
    birth.longitudeMinutes = Checked_Number(entry.longitudeMinutes);
    if (birth.timeAccuracy == TimeAccuracy::notKnown) {
        birth.hour = 12;
        birth.minute = 0;
        birth.second = 0;
    }
    return birth;
}

std::optional<EntryProblem> Birth_Place_Problem(const BirthData& birth)
{
    for (const PlaceRule& rule : Place_Rules) {
        if ((birth.*rule.text).isEmpty())
            return EntryProblem{QString::fromLatin1(rule.message), ProblemIcon::information, rule.field};
    }
    return std::nullopt;
}
