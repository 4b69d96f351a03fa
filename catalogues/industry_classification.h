#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The national industry classification (GB/T 4754-2002, the edition for science and technology
// statistics) and its two searches: a whole section by its letter, and the lines that hold a
// keyword.
namespace tolvar::catalogues {

// The classification text: title lines, then one "code name" line per entry, CR LF line breaks.
const std::u32string& industryClassificationText();

// The section of a letter: from the letter's first occurrence after the title lines to the
// character before the next letter's, or for the last section "T" to the text's end without
// its final line feed.
std::u32string_view industrySection(std::u32string_view text, char32_t letter);

// The lines whose text holds the keyword, each once, in code order; no value when the keyword
// occurs nowhere in the text, the title lines included.
std::optional<std::vector<std::u32string_view>> industryLinesContaining(
    std::u32string_view text, std::u32string_view keyword);

// The texts that the search window shows.
std::string industrySectionResult(std::u32string_view section);
std::string industryKeywordResult(const std::optional<std::vector<std::u32string_view>>& lines);
std::string industryFoundListHeading();

}  // namespace tolvar::catalogues
