#include "gemology/place_search.h"

namespace {

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

std::optional<EntryProblem> Birth_Place_Problem(const BirthData& birth)
{
    for (const PlaceRule& rule : Place_Rules) {
        if ((birth.*rule.text).isEmpty())
            return EntryProblem{QString::fromLatin1(rule.message), ProblemIcon::information, rule.field};
    }
    return std::nullopt;
}

QString Place_Search_Text(const BirthData& birth)
{
    return birth.city + u' ' + birth.state + u' ' + birth.country + QStringLiteral(" Latitude Longitude");
}

QUrl Search_Page_Address(const QString& addressTemplate, const QString& searchText)
{
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(searchText));
    return QUrl::fromEncoded(addressTemplate.arg(encoded).toUtf8(), QUrl::StrictMode);
}
