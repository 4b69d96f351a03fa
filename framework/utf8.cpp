#include "framework/utf8.h"

namespace tolvar::utf8 {
namespace {

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

std::string encode(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

std::vector<char32_t> decode(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    int length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    char32_t c = length == 1 ? byte : byte & (0x7F >> length);
    for (int k = 1; k < length && i + k < text.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    out.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if (!isContinuation(static_cast<unsigned char>(c))) ++count;
  }
  return count;
}

std::size_t previousBoundary(std::string_view text, std::size_t offset) {
  if (offset == 0) return 0;
  --offset;
  while (offset > 0 && isContinuation(static_cast<unsigned char>(text[offset]))) --offset;
  return offset;
}

}  // namespace tolvar::utf8
