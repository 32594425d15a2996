// Windows code page 1250 (Central European), the single-byte code page of
// the game's Czech texts.
//
// The layout keeps all text as UTF-8. Code page 1250 matters in two places:
// single-byte strings in a stream that carry bytes above 0x7F are converted
// from it, and the length of a shown text is counted in its characters
// (one byte each in that code page).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kvarnel::layout {

// Converts code-page-1250 bytes to UTF-8. The five bytes the code page
// leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) become U+FFFD.
std::string cp1250ToUtf8(std::string_view bytes);

// Converts UTF-8 text to code page 1250; nullopt when the text is not valid
// UTF-8 or holds a character the code page lacks.
std::optional<std::string> utf8ToCp1250(std::string_view utf8);

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view text);

// Number of characters of valid UTF-8 text, which is its length in code page
// 1250 for every text the code page can hold.
size_t utf8Length(std::string_view utf8);

}  // namespace kvarnel::layout
