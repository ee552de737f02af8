#include "text/search_folding.h"

#include <QChar>
#include <QString>

#include <algorithm>

namespace {

bool Is_Apostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019' || c == U'\u02BC';
}

// Letters that carry their difference in the letter itself rather than in a combining accent.
char32_t Plain_Letter(char32_t letter, char32_t& second)
{
    second = 0;
    switch (letter) {
    case U'ß': second = U's'; return U's';
    case U'æ': second = U'e'; return U'a';
    case U'œ': second = U'e'; return U'o';
    case U'ø': return U'o';
    case U'ł': return U'l';
    case U'đ': return U'd';
    case U'ı': return U'i';
    case U'ð': return U'd';
    case U'þ': second = U'h'; return U't';
    default: return letter;
    }
}

void Append_Code_Point(std::u16string& folded, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        folded.push_back(QChar::highSurrogate(c));
        folded.push_back(QChar::lowSurrogate(c));
    } else {
        folded.push_back(static_cast<char16_t>(c));
    }
}

}  // namespace

std::u16string Fold_Search_Text(QStringView text, Apostrophes apostrophes)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    // Only text outside ASCII needs its accents taken apart from their letters; the accents
    // (non-spacing marks) are then left out.
    const QString decomposed = ascii ? QString() : text.toString().normalized(QString::NormalizationForm_KD);
    const QStringView letters = ascii ? text : QStringView(decomposed);

    std::u16string folded;
    folded.reserve(static_cast<std::size_t>(letters.size()));
    bool blank = false;
    for (qsizetype at = 0; at < letters.size(); ++at) {
        char32_t c = letters[at].unicode();
        if (c < 0x80) {  // ASCII, most of every name: no accents, no case beyond A to Z
            const bool letterOrDigit = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
            if (!letterOrDigit) {
                blank = blank || apostrophes == Apostrophes::Break || c != U'\'';
                continue;
            }
            if (blank && !folded.empty())
                folded.push_back(u' ');
            blank = false;
            folded.push_back(static_cast<char16_t>(c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c));
            continue;
        }
        if (QChar::isHighSurrogate(c) && at + 1 < letters.size() && letters[at + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(letters[at], letters[at + 1]);
            ++at;
        }
        if (QChar::category(c) == QChar::Mark_NonSpacing)
            continue;
        if (apostrophes == Apostrophes::Dropped && Is_Apostrophe(c))
            continue;
        if (!QChar::isLetterOrNumber(c)) {
            blank = true;
            continue;
        }
        if (blank && !folded.empty())
            folded.push_back(u' ');
        blank = false;
        char32_t second = 0;
        Append_Code_Point(folded, Plain_Letter(QChar::toCaseFolded(c), second));
        if (second)
            Append_Code_Point(folded, second);
    }
    return folded;
}

QStringList Fold_Search_Words(QStringView text, Apostrophes apostrophes)
{
    return QString::fromStdU16String(Fold_Search_Text(text, apostrophes)).split(u' ', Qt::SkipEmptyParts);
}
