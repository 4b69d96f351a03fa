#include "catalogues/text_compare.h"

#include "framework/utf8.h"

namespace tolvar::catalogues {
namespace {

constexpr char32_t kIdeographicSpace = U'\u3000';
constexpr char32_t kFirstFullWidth = U'\uFF01';  // full-width "!"
constexpr char32_t kLastFullWidth = U'\uFF5E';   // full-width "~"
constexpr char32_t kFullWidthOffset = kFirstFullWidth - U'!';

bool inRange(char32_t c, char32_t first, char32_t last) {
  return c >= first && c <= last;
}

char32_t lowerCase(char32_t c) {
  if (inRange(c, U'A', U'Z')) return c + (U'a' - U'A');
  // Latin-1 capitals, except the multiplication sign between them.
  if (inRange(c, U'\u00C0', U'\u00DE') && c != U'\u00D7') return c + 0x20;
  // Greek capitals (the gap at U+03A2 has no letter).
  if (inRange(c, U'\u0391', U'\u03A9') && c != U'\u03A2') return c + 0x20;
  // Cyrillic capitals.
  if (inRange(c, U'\u0410', U'\u042F')) return c + 0x20;
  if (inRange(c, U'\u0400', U'\u040F')) return c + 0x50;
  return c;
}

}  // namespace

std::u32string toUtf32(std::string_view utf8) {
  std::vector<char32_t> characters = utf8::decode(utf8);
  return {characters.begin(), characters.end()};
}

std::string toUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) out += utf8::encode(c);
  return out;
}

char32_t comparisonForm(char32_t c) {
  if (c == kIdeographicSpace) return U' ';
  if (inRange(c, kFirstFullWidth, kLastFullWidth)) c -= kFullWidthOffset;
  return lowerCase(c);
}

std::size_t findAsText(std::u32string_view text, std::u32string_view query, std::size_t from) {
  if (from > text.size()) return std::u32string_view::npos;
  if (query.size() > text.size()) return std::u32string_view::npos;
  for (std::size_t start = from; start + query.size() <= text.size(); ++start) {
    if (equalAsText(text.substr(start, query.size()), query)) return start;
  }
  return std::u32string_view::npos;
}

bool equalAsText(std::u32string_view a, std::u32string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (comparisonForm(a[i]) != comparisonForm(b[i])) return false;
  }
  return true;
}

}  // namespace tolvar::catalogues
