#include "birthplace/map_search.h"

QString Place_Search_Text(const QString& city, const QString& state, const QString& country)
{
    return city + u' ' + state + u' ' + country + QStringLiteral(" Latitude Longitude");
}

QUrl Search_Page_Address(const QString& addressTemplate, const QString& searchText)
{
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(searchText));
    return QUrl::fromEncoded(addressTemplate.arg(encoded).toUtf8(), QUrl::StrictMode);
}
