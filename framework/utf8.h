#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::utf8 {

// Whether c is a Unicode scalar value (not a surrogate, not past U+10FFFF).
bool isCharacter(char32_t c);
bool isValid(std::string_view text);
// The text with every byte sequence that is not valid UTF-8 replaced by U+FFFD.
std::string repaired(std::string text);

// c must be a character (isCharacter).
std::string encode(char32_t c);
// Invalid sequences decode as U+FFFD.
std::vector<char32_t> decode(std::string_view text);
std::size_t characterCount(std::string_view text);
// The nearest character boundary at or before offset; offsets past the end give the end.
std::size_t boundaryAtOrBefore(std::string_view text, std::size_t offset);
// The byte offset of the character before the one at offset.
std::size_t previousBoundary(std::string_view text, std::size_t offset);

}  // namespace tolvar::utf8
