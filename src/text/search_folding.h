#pragma once
#include <QStringList>
#include <QStringView>

#include <string>

// What an apostrophe ("'", "’" or "ʼ") is to a search.
enum class Apostrophes {
    Dropped,  // left out, so the word goes on: "Cat's" reads "cats"
    Break,    // as it is: "'" and "’" end the word ("d'Oléron" reads "d oleron")
};

// A text as the searches compare it: letters in lower case without their accents (letters that
// carry the difference in the letter itself, such as "ß", "æ" and "ł", written plainly), digits
// as they are, and every run of other characters (blanks, hyphens, brackets, "&", emoji) one
// blank, with none at either end. "São Paulo" and "sao-paulo" both give "sao paulo".
std::u16string Fold_Search_Text(QStringView text, Apostrophes apostrophes);

// The words of the text folded as above.
QStringList Fold_Search_Words(QStringView text, Apostrophes apostrophes);
