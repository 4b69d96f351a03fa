#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// Searches over a catalogue text, each reading the text as the catalogue's own structure has it.
// Keywords and codes are compared as text (catalogues/text_compare.h).
namespace tolvar::catalogues {

// The lines holding the keyword at or after from, each once, in text order. A line runs from
// the character after the line feed before it to the character before the line feed that ends
// it, so it keeps its carriage return.
std::vector<std::u32string_view> linesContaining(std::u32string_view text,
                                                 std::u32string_view keyword, std::size_t from);

// The stretches of a text of marked items that hold the keyword, each once: a stretch runs from
// after the marker before the match (or the text's start) to before the marker after the match
// (or the text's end). Markers are found with the same comparison, so a marker letter inside
// an item's own words also ends a stretch.
std::vector<std::u32string_view> markedEntriesContaining(std::u32string_view text,
                                                         std::u32string_view keyword,
                                                         char32_t marker);

// A text of entries that each begin with a heading line, the only lines beginning with
// headingPrefix: the entry whose heading line is the heading alone, from that line's start to the
// line feed before the next line beginning with headingPrefix, or to the text's final line feed; an
// empty heading finds the first entry.
std::optional<std::u32string_view> entryUnderHeading(std::u32string_view text,
                                                     std::u32string_view heading,
                                                     std::u32string_view headingPrefix);

// Whether a keyword may be searched: the catalogues are searched by Chinese names, so it must
// not be empty nor begin with an ASCII character (a digit, a Latin letter, a blank).
bool isSearchableKeyword(std::u32string_view keyword);

// The message for a keyword that may not be searched.
inline constexpr const char* kKeywordRejected =
    "你输入检索行业类别的关键字为空，或是第一个字符为数字、字母，请检查输入，"
    "检索行业类别的关键字为中文字符！";

// An entry's first two lines without the line feed that ends the second.
std::u32string_view firstTwoLines(std::u32string_view entry);

}  // namespace tolvar::catalogues
