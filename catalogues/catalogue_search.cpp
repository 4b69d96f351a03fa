#include "catalogues/catalogue_search.h"

#include "catalogues/text_compare.h"

namespace tolvar::catalogues {
namespace {

constexpr auto npos = std::u32string_view::npos;

std::size_t lineStart(std::u32string_view text, std::size_t position) {
  if (position == 0) return 0;
  std::size_t feed = text.rfind(U'\n', position - 1);
  return feed == npos ? 0 : feed + 1;
}

std::size_t lineEnd(std::u32string_view text, std::size_t position) {
  std::size_t feed = text.find(U'\n', position);
  return feed == npos ? text.size() : feed;
}

std::u32string_view withoutCarriageReturn(std::u32string_view line) {
  if (!line.empty() && line.back() == U'\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::vector<std::u32string_view> linesContaining(std::u32string_view text,
                                                 std::u32string_view keyword, std::size_t from) {
  std::vector<std::u32string_view> lines;
  for (std::size_t position = from; position < text.size();) {
    std::size_t match = findAsText(text, keyword, position);
    if (match == npos) break;
    std::size_t start = lineStart(text, match);
    std::size_t end = lineEnd(text, match);
    lines.push_back(text.substr(start, end - start));
    position = end + 1;
  }
  return lines;
}

std::vector<std::u32string_view> markedEntriesContaining(std::u32string_view text,
                                                         std::u32string_view keyword,
                                                         char32_t marker) {
  const std::u32string markerText(1, marker);
  auto isMarker = [&](char32_t c) {
    return comparisonForm(c) == comparisonForm(marker);
  };
  std::vector<std::u32string_view> entries;
  for (std::size_t position = 0; position < text.size();) {
    std::size_t match = findAsText(text, keyword, position);
    if (match == npos) break;
    std::size_t start = match;
    while (start > 0 && !isMarker(text[start - 1])) --start;
    std::size_t end = findAsText(text, markerText, match);
    if (end == npos) end = text.size();
    entries.push_back(text.substr(start, end - start));
    position = end + 1;
  }
  return entries;
}

std::optional<std::u32string_view> entryUnderHeading(std::u32string_view text,
                                                     std::u32string_view heading,
                                                     std::u32string_view headingPrefix) {
  auto isHeading = [&](std::u32string_view line) {
    return line.size() >= headingPrefix.size() &&
           equalAsText(line.substr(0, headingPrefix.size()), headingPrefix);
  };
  std::size_t start = heading.empty() ? 0 : npos;
  for (std::size_t position = 0; start == npos && position < text.size();
       position = lineEnd(text, position) + 1) {
    std::u32string_view line = text.substr(position, lineEnd(text, position) - position);
    line = withoutCarriageReturn(line);
    if (isHeading(line) && equalAsText(line, heading)) start = position;
  }
  if (start == npos) return std::nullopt;
  std::size_t end = lineEnd(text, start);
  while (end < text.size()) {
    std::size_t next = end + 1;
    if (next >= text.size()) break;  // end is the text's final line feed
    std::size_t nextEnd = lineEnd(text, next);
    if (isHeading(text.substr(next, nextEnd - next))) break;
    end = nextEnd;
  }
  return text.substr(start, end - start);
}

bool isSearchableKeyword(std::u32string_view keyword) {
  return !keyword.empty() && !(keyword.front() >= 1 && keyword.front() <= 126);
}

std::u32string_view firstTwoLines(std::u32string_view entry) {
  std::size_t first = entry.find(U'\n');
  if (first == npos) return entry;
  std::size_t second = entry.find(U'\n', first + 1);
  return second == npos ? entry : entry.substr(0, second);
}

}  // namespace tolvar::catalogues
