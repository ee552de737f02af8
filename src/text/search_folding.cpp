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

// What one character folds to, decomposed as Fold_Search_Text decomposes it: its letters, and a
// blank for each character between them that is neither letter nor digit.
std::u16string Code_Point_Folding(char32_t c, Apostrophes apostrophes)
{
    const QString one = c > 0xFFFF ? QString::fromUcs4(&c, 1) : QString(QChar(static_cast<char16_t>(c)));
    const QString decomposed = one.normalized(QString::NormalizationForm_KD);
    std::u16string folding;
    for (qsizetype at = 0; at < decomposed.size(); ++at) {
        char32_t d = decomposed[at].unicode();
        if (d < 0x80) {
            if ((d >= u'a' && d <= u'z') || (d >= u'0' && d <= u'9'))
                folding.push_back(static_cast<char16_t>(d));
            else if (d >= u'A' && d <= u'Z')
                folding.push_back(static_cast<char16_t>(d + (u'a' - u'A')));
            else if (apostrophes == Apostrophes::Break || d != U'\'')
                folding.push_back(u' ');
            continue;
        }
        if (QChar::isHighSurrogate(d) && at + 1 < decomposed.size() && decomposed[at + 1].isLowSurrogate()) {
            d = QChar::surrogateToUcs4(decomposed[at], decomposed[at + 1]);
            ++at;
        }
        if (QChar::category(d) == QChar::Mark_NonSpacing || (apostrophes == Apostrophes::Dropped && Is_Apostrophe(d)))
            continue;
        if (!QChar::isLetterOrNumber(d)) {
            folding.push_back(u' ');
            continue;
        }
        char32_t second = 0;
        Append_Code_Point(folding, Plain_Letter(QChar::toCaseFolded(d), second));
        if (second)
            Append_Code_Point(folding, second);
    }
    return folding;
}

// Appends a character's folding (letters, and blanks for what comes between them) to the text
// folded so far; `blank` tells whether a blank is still owed before the next letter.
void Append_Folding(std::u16string& folded, std::size_t textStart, std::u16string_view folding, bool& blank)
{
    for (const char16_t c : folding) {
        if (c == u' ') {
            blank = true;
            continue;
        }
        if (blank && folded.size() > textStart)
            folded.push_back(u' ');
        blank = false;
        folded.push_back(c);
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

SearchFolder::SearchFolder(Apostrophes apostrophes) : apostrophes_(apostrophes), foldingAt_(0x10000, 0) {}

std::u16string_view SearchFolder::foldingOf(char16_t c)
{
    std::uint32_t& at = foldingAt_[c];
    if (at == 0) {
        const std::u16string folding = Code_Point_Folding(c, apostrophes_);
        // Offset 0 with length 0 means "not yet worked out": a folding that is empty starts
        // after a placeholder.
        if (foldings_.empty())
            foldings_.push_back(u' ');
        at = static_cast<std::uint32_t>(foldings_.size()) << 8 | static_cast<std::uint32_t>(folding.size());
        foldings_ += folding;
    }
    return std::u16string_view(foldings_).substr(at >> 8, at & 0xFF);
}

void SearchFolder::fold(QStringView text, std::u16string& folded)
{
    const std::size_t textStart = folded.size();
    bool blank = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < 0x80) {  // ASCII, as Fold_Search_Text reads it
            const bool letterOrDigit = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
            if (!letterOrDigit) {
                blank = blank || apostrophes_ == Apostrophes::Break || c != u'\'';
                continue;
            }
            if (blank && folded.size() > textStart)
                folded.push_back(u' ');
            blank = false;
            folded.push_back(c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c);
        } else if (QChar::isHighSurrogate(c) && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            // Beyond the first plane, rare in names: worked out each time.
            Append_Folding(folded, textStart, Code_Point_Folding(QChar::surrogateToUcs4(text[at], text[at + 1]), apostrophes_),
                           blank);
            ++at;
        } else {
            Append_Folding(folded, textStart, foldingOf(c), blank);
        }
    }
}
