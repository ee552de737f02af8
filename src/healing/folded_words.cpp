#include "healing/folded_words.h"

#include <QChar>

namespace {

bool Is_Apostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019' || c == U'\u02BC';
}

}  // namespace

QStringList Folded_Words(QStringView text)
{
    // Decomposing first splits an accented letter into its base letter and the accent, and the
    // accents (non-spacing marks) are then left out.
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QStringList words;
    QString word;
    for (char32_t c : decomposed.toUcs4()) {
        if (QChar::category(c) == QChar::Mark_NonSpacing || Is_Apostrophe(c))
            continue;
        if (QChar::isLetterOrNumber(c)) {
            word += QString::fromUcs4(&c, 1);
            continue;
        }
        if (!word.isEmpty())
            words.append(word.toCaseFolded());
        word.clear();
    }
    if (!word.isEmpty())
        words.append(word.toCaseFolded());
    return words;
}
