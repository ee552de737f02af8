#pragma once
#include <cstddef>
#include <string_view>

// Counting characters in UTF-8 text. A character is a byte that is not a continuation byte
// together with the continuation bytes that follow it; a text that starts with stray
// continuation bytes starts with a character all the same. Every function accepts any
// bytes at all and never reads outside the text.

std::size_t Utf8_Length(std::string_view text);

// Up to `count` characters starting at character `start` (counted from 0); empty when the
// text has no character `start`.
std::string_view Utf8_Middle(std::string_view text, std::size_t start, std::size_t count);

// The last `count` characters, or the whole text when it is shorter.
std::string_view Utf8_Last(std::string_view text, std::size_t count);
