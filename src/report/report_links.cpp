#include "report/report_links.h"

namespace {

const QString Address_Starts[] = {
    QStringLiteral("http://"),
    QStringLiteral("https://"),
    QStringLiteral("www."),
};

bool Is_Word_Character(QChar c)
{
    return c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'_' || c == u'@';
}

bool Ends_Address(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control || c == u'"' || c == u'<'
        || c == u'>';
}

// The length of the address's opening ("http://" and so on) at a place, 0 when none starts there.
qsizetype Opening_At(const QString& text, qsizetype at)
{
    if (at > 0 && Is_Word_Character(text.at(at - 1)))
        return 0;
    for (const QString& start : Address_Starts) {
        if (QStringView(text).mid(at).startsWith(start, Qt::CaseInsensitive))
            return start.size();
    }
    return 0;
}

bool Ends_Sentence(QChar c)
{
    return QStringView(u".,;:!?'").contains(c);
}

// Drops punctuation that closes the sentence rather than the address.
QStringView Without_Trailing_Punctuation(QStringView address)
{
    while (!address.isEmpty()) {
        const QChar last = address.back();
        const bool unopenedBracket = last == u')' && address.count(u'(') < address.count(u')');
        if (!Ends_Sentence(last) && !unopenedBracket)
            break;
        address.chop(1);
    }
    return address;
}

}  // namespace

QList<TextSpan> Find_Web_Addresses(const QString& text)
{
    QList<TextSpan> spans;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype opening = Opening_At(text, at);
        if (opening == 0) {
            ++at;
            continue;
        }
        qsizetype end = at + opening;
        while (end < text.size() && !Ends_Address(text.at(end)))
            ++end;
        const QStringView address = Without_Trailing_Punctuation(QStringView(text).mid(at, end - at));
        if (address.size() > opening)
            spans.append({at, address.size()});
        at = end;
    }
    return spans;
}

QUrl Address_To_Open(const QString& link)
{
    if (link.size() > Longest_Link)
        return {};
    const QString address = link.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)
                                ? QStringLiteral("https://") + link
                                : link;
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return {};
    return url;
}
