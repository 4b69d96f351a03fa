#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The guidance catalogue for industrial structure adjustment, 2005 edition: three categories of
// items (encouraged, restricted, eliminated) and the search for the items that hold a keyword.
namespace tolvar::catalogues {

struct CatalogueParagraph {
  enum class Kind { heading, note, section, item };
  Kind kind = Kind::item;
  std::string text;  // without marker, except the heading's own "A"
};

struct StructureCategory {
  std::string name;                // "鼓励类"
  std::size_t publishedItems = 0;  // how many items the published catalogue has
  std::vector<CatalogueParagraph> paragraphs;
  std::size_t storedItems = 0;
  // The searched text: paragraphs separated by empty paragraphs (CR LF CR LF), each item
  // ending in the marker B.
  std::u32string text;
};

// Reads the catalogue's data file (format in README.md); throws std::invalid_argument naming the
// line of a malformed file.
std::vector<StructureCategory> parseStructureCatalogue(std::string_view data);
const std::vector<StructureCategory>& structureCatalogue();

// The entries of the items that hold the keyword, each from the marker before it to the marker
// after it, so that an item after a heading carries the heading; no value when the keyword
// occurs nowhere in the category's text.
std::optional<std::vector<std::u32string_view>> structureEntriesContaining(
    std::u32string_view categoryText, std::u32string_view keyword);

// "查无此项目" for no value, otherwise each entry after a line feed and one more line feed.
std::string structureSearchResult(const std::optional<std::vector<std::u32string_view>>& entries);

}  // namespace tolvar::catalogues
