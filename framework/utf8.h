#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::utf8 {

std::string encode(char32_t character);
std::vector<char32_t> decode(std::string_view text);
std::size_t characterCount(std::string_view text);
// The byte offset of the character before the one at offset.
std::size_t previousBoundary(std::string_view text, std::size_t offset);

}  // namespace tolvar::utf8
