#include "framework/utf8.h"

#include <utf8.h>

#include <cstdint>
#include <iterator>

namespace tolvar::utf8 {

bool isCharacter(char32_t c) {
  return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

bool isValid(std::string_view text) {
  return ::utf8::is_valid(text.begin(), text.end());
}

std::string repaired(std::string text) {
  if (isValid(text)) return text;
  std::string out;
  ::utf8::replace_invalid(text.begin(), text.end(), std::back_inserter(out));
  return out;
}

std::string encode(char32_t c) {
  std::string out;
  ::utf8::append(static_cast<std::uint32_t>(c), std::back_inserter(out));
  return out;
}

std::vector<char32_t> decode(std::string_view text) {
  std::string valid = repaired(std::string(text));
  std::vector<char32_t> out;
  ::utf8::utf8to32(valid.begin(), valid.end(), std::back_inserter(out));
  return out;
}

std::size_t characterCount(std::string_view text) {
  std::string valid = repaired(std::string(text));
  return static_cast<std::size_t>(::utf8::distance(valid.begin(), valid.end()));
}

std::size_t boundaryAtOrBefore(std::string_view text, std::size_t offset) {
  if (offset >= text.size()) return text.size();
  while (offset > 0 && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80) --offset;
  return offset;
}

std::size_t previousBoundary(std::string_view text, std::size_t offset) {
  offset = boundaryAtOrBefore(text, offset);
  if (offset == 0) return 0;
  return boundaryAtOrBefore(text, offset - 1);
}

}  // namespace tolvar::utf8
