#include "catalogues/structure_adjustment.h"

#include <sstream>
#include <stdexcept>

#include "catalogues/catalogue_search.h"
#include "catalogues/text_compare.h"
#include "framework/embedded_data.h"
#include "framework/tab_separated.h"

namespace tolvar::catalogues {
namespace {

constexpr char32_t kItemMarker = U'B';

[[noreturn]] void reject(int lineNumber, const std::string& why) {
  throw std::invalid_argument("structure adjustment catalogue, line " + std::to_string(lineNumber) +
                              ": " + why);
}

std::size_t itemCount(int lineNumber, const std::string& text) {
  try {
    std::size_t used = 0;
    unsigned long count = std::stoul(text, &used);
    if (used == text.size() && count > 0) return count;
  } catch (const std::logic_error&) {
  }
  reject(lineNumber, "not an item count: " + text);
}

std::u32string searchedText(const std::vector<CatalogueParagraph>& paragraphs) {
  std::string text;
  for (const CatalogueParagraph& paragraph : paragraphs) {
    if (!text.empty()) text += "\r\n\r\n";
    text += paragraph.text;
    if (paragraph.kind == CatalogueParagraph::Kind::item) text += toUtf8({&kItemMarker, 1});
  }
  return toUtf32(text);
}

}  // namespace

std::vector<StructureCategory> parseStructureCatalogue(std::string_view data) {
  std::vector<StructureCategory> categories;
  std::istringstream lines{std::string(data)};
  int lineNumber = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = splitTabs(line);
    const std::string& key = fields.front();
    if (key == "category") {
      if (fields.size() != 4 || fields[1].empty() || fields[3].empty()) {
        reject(lineNumber, "a category needs a name, an item count and a heading");
      }
      StructureCategory category{fields[1], itemCount(lineNumber, fields[2]), {}, 0, {}};
      category.paragraphs.push_back({CatalogueParagraph::Kind::heading, fields[3]});
      categories.push_back(std::move(category));
      continue;
    }
    if (categories.empty()) reject(lineNumber, key + " before the first category");
    if (fields.size() != 2 || fields[1].empty()) reject(lineNumber, "not two fields: " + line);
    StructureCategory& category = categories.back();
    CatalogueParagraph::Kind kind;
    if (key == "note") {
      kind = CatalogueParagraph::Kind::note;
    } else if (key == "section") {
      kind = CatalogueParagraph::Kind::section;
    } else if (key == "item") {
      kind = CatalogueParagraph::Kind::item;
      if (++category.storedItems > category.publishedItems) {
        reject(lineNumber, "more items than the catalogue has in " + category.name);
      }
    } else {
      reject(lineNumber, "not a record line: " + line);
    }
    category.paragraphs.push_back({kind, fields[1]});
  }
  if (categories.empty()) reject(lineNumber, "no category");
  for (StructureCategory& category : categories) category.text = searchedText(category.paragraphs);
  return categories;
}

const std::vector<StructureCategory>& structureCatalogue() {
  static const std::vector<StructureCategory> categories =
      parseStructureCatalogue(embeddedData("catalogues/structure_adjustment_2005.tsv"));
  return categories;
}

std::optional<std::vector<std::u32string_view>> structureEntriesContaining(
    std::u32string_view categoryText, std::u32string_view keyword) {
  std::vector<std::u32string_view> entries =
      markedEntriesContaining(categoryText, keyword, kItemMarker);
  if (entries.empty()) return std::nullopt;
  return entries;
}

std::string structureSearchResult(const std::optional<std::vector<std::u32string_view>>& entries) {
  if (!entries) return "查无此项目";
  std::string result;
  for (std::u32string_view entry : *entries) result += "\n" + toUtf8(entry);
  return result + "\n";
}

}  // namespace tolvar::catalogues
