#pragma once
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// The folding above for many texts in a row, as an index folds its names: what each character
// outside ASCII folds to is worked out once and kept, so that a text costs no more than a look
// at each of its characters. Gives what Fold_Search_Text gives; one folder for each thread.
class SearchFolder {
public:
    explicit SearchFolder(Apostrophes apostrophes);

    // Appends the text, folded, to `folded`.
    void fold(QStringView text, std::u16string& folded);

private:
    // What the character folds to: its letters, with a blank wherever a run of other characters
    // comes between them.
    std::u16string_view foldingOf(char16_t c);

    Apostrophes apostrophes_;
    std::u16string foldings_;  // each character's folding worked out so far, one after the other
    std::vector<std::uint32_t> foldingAt_;  // of each character: where it starts << 8 | its length
};
