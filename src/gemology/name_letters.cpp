#include "gemology/name_letters.h"

#include <QList>

#include <algorithm>

bool Name_Character_Allowed(char32_t character)
{
    switch (character) {
    case U' ':
    case U'-':
    case U'\'':
    case U'\u2019':  // right single quotation mark, the typographic apostrophe
    case U'\u02BC':  // modifier letter apostrophe
    case U'\u2010':  // hyphen
        return true;
    default:
        return QChar::isLetter(character) || QChar::isMark(character);
    }
}

bool Name_Characters_Allowed(const QString& text)
{
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.begin(), characters.end(),
                       [](uint character) { return Name_Character_Allowed(character); });
}
