#pragma once
#include <QList>
#include <QString>
#include <QUrl>

// Where a web address stands in a text.
struct TextSpan {
    qsizetype start = 0;
    qsizetype length = 0;

    bool operator==(const TextSpan&) const = default;
};

// The web addresses in a text: words that begin with "http://", "https://" or "www." (in any
// case), up to the next blank or quote or angle bracket, without punctuation that ends a
// sentence and without a closing bracket that was not opened inside the address.
QList<TextSpan> Find_Web_Addresses(const QString& text);

// The longest link text that a click opens.
inline constexpr qsizetype Longest_Link = 1024;

// What a click on a link opens: an http or https address as it stands, a "www." address as
// https. Anything else, and a link longer than Longest_Link, opens nothing (an empty URL).
QUrl Address_To_Open(const QString& link);
