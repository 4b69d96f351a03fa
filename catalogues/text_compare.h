#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvar::catalogues {

// Catalogue searches count characters, not bytes, so their texts are held as code points.
std::u32string toUtf32(std::string_view utf8);
std::string toUtf8(std::u32string_view text);

// The form in which the text comparison sees a character: full-width forms as their half-width
// counterparts, letters in lower case.
char32_t comparisonForm(char32_t character);

// The position of the first occurrence of query in text at or after from, comparing as text
// (letters without regard to case or to full-width and half-width form); npos when there is
// none. An empty query occurs at from.
std::size_t findAsText(std::u32string_view text, std::u32string_view query, std::size_t from = 0);

bool equalAsText(std::u32string_view a, std::u32string_view b);

}  // namespace tolvar::catalogues
