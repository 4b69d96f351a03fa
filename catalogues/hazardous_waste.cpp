#include "catalogues/hazardous_waste.h"

#include <sstream>
#include <stdexcept>

#include "catalogues/catalogue_search.h"
#include "catalogues/text_compare.h"
#include "framework/embedded_data.h"
#include "framework/tab_separated.h"

namespace tolvar::catalogues {
namespace {

// Only code lines begin with it, which is how an entry's end is found.
constexpr std::u32string_view kCodePrefix = U"HW";

[[noreturn]] void reject(int lineNumber, const std::string& why) {
  throw std::invalid_argument("hazardous waste list, line " + std::to_string(lineNumber) + ": " +
                              why);
}

std::string codeOf(std::size_t number) {
  return (number < 10 ? "HW0" : "HW") + std::to_string(number);
}

}  // namespace

HazardousWasteList parseHazardousWasteList(std::string_view data) {
  HazardousWasteList list;
  std::istringstream lines{std::string(data)};
  int lineNumber = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = splitTabs(line);
    if (fields.size() != 2 || fields[1].empty()) reject(lineNumber, "not two fields: " + line);
    const std::string& key = fields[0];
    std::string& value = fields[1];
    if (key.starts_with("HW")) {
      if (key != codeOf(list.categories.size() + 1)) reject(lineNumber, "out of order: " + key);
      if (!list.categories.empty() && list.categories.back().lines.empty()) {
        reject(lineNumber, "no lines in " + list.categories.back().code);
      }
      list.categories.push_back(HazardousWasteCategory{key, value, {}, {}, {}, true});
      continue;
    }
    if (list.categories.empty()) reject(lineNumber, key + " before the first category");
    if (findAsText(toUtf32(value), kCodePrefix) == 0) {
      reject(lineNumber, "a line that is no code line begins with HW");
    }
    HazardousWasteCategory& category = list.categories.back();
    if (key == "source") {
      category.sources.push_back(value);
    } else if (key == "component") {
      category.components.push_back(value);
    } else if (key == "missing") {
      category.sources.push_back(value);
      category.complete = false;
    } else {
      reject(lineNumber, "not a record line: " + line);
    }
    category.lines.push_back(std::move(value));
  }
  if (list.categories.size() != kHazardousWasteCategoryCount) {
    reject(lineNumber, "not " + std::to_string(kHazardousWasteCategoryCount) + " categories");
  }
  if (list.categories.back().lines.empty()) reject(lineNumber, "no lines in the last category");
  std::string text;
  for (const HazardousWasteCategory& category : list.categories) {
    text += category.code + "\r\n" + category.name + "\r\n";
    for (const std::string& line : category.lines) text += line + "\r\n";
  }
  list.text = toUtf32(text);
  return list;
}

const HazardousWasteList& hazardousWasteList() {
  static const HazardousWasteList list =
      parseHazardousWasteList(embeddedData("catalogues/hazardous_waste_1998.tsv"));
  return list;
}

std::optional<std::u32string_view> hazardousWasteEntry(std::u32string_view text,
                                                       std::u32string_view code) {
  return entryUnderHeading(text, code, kCodePrefix);
}

}  // namespace tolvar::catalogues
