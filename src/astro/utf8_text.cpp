#include "astro/utf8_text.h"

namespace {

bool Starts_Character(std::string_view text, std::size_t at)
{
    return at == 0 || (static_cast<unsigned char>(text[at]) & 0xC0U) != 0x80U;
}

// Byte offset of the character after `from` (a character start), or the text's size.
std::size_t Next_Character(std::string_view text, std::size_t from)
{
    std::size_t at = from + 1;
    while (at < text.size() && !Starts_Character(text, at))
        ++at;
    return at;
}

// Byte offset at which character `index` starts, or the text's size when there is none.
std::size_t Character_Offset(std::string_view text, std::size_t index)
{
    std::size_t at = 0;
    for (std::size_t skipped = 0; skipped < index && at < text.size(); ++skipped)
        at = Next_Character(text, at);
    return at;
}

}  // namespace

std::size_t Utf8_Length(std::string_view text)
{
    std::size_t length = 0;
    for (std::size_t at = 0; at < text.size(); at = Next_Character(text, at))
        ++length;
    return length;
}

std::string_view Utf8_Middle(std::string_view text, std::size_t start, std::size_t count)
{
    const std::size_t from = Character_Offset(text, start);
    const std::size_t to = from + Character_Offset(text.substr(from), count);
    return text.substr(from, to - from);
}

std::string_view Utf8_Last(std::string_view text, std::size_t count)
{
    std::size_t from = text.size();
    for (std::size_t taken = 0; taken < count && from > 0; ++taken) {
        --from;
        while (!Starts_Character(text, from))
            --from;
    }
    return text.substr(from);
}
