#include "catalogues/editions/industry_classification_2017.h"

#include <sstream>
#include <stdexcept>

#include "catalogues/editions/text_prefix.h"
#include "catalogues/text_compare.h"
#include "framework/embedded_data.h"
#include "framework/tab_separated.h"

namespace tolvar::catalogues {
namespace {

constexpr const char* kPlaceSeparator = " › ";

// The depth of a code: 0 for a section letter, then 1 to 3 for 2-, 3- and 4-digit codes.
std::size_t depthOf(const std::string& code) {
  if (code.size() == 1 && code[0] >= 'A' && code[0] <= 'Z') return 0;
  for (char c : code) {
    if (c < '0' || c > '9') throw std::runtime_error("not an industry code: " + code);
  }
  if (code.size() < 2 || code.size() > 4) throw std::runtime_error("not an industry code: " + code);
  return code.size() - 1;
}

// The table lists each entry after its parent, so the last entry seen at each depth is the
// parent of the next deeper one; a code that does not extend its parent's is a broken table.
std::vector<IndustryEntry2017> parseClassification(std::string_view data) {
  std::vector<IndustryEntry2017> entries;
  std::vector<std::size_t> lastAtDepth;
  std::istringstream lines{std::string(data)};
  for (std::string line; std::getline(lines, line);) {
    if (line.empty()) continue;
    std::vector<std::string> f = splitTabs(line);
    if (f.size() != 3 || (f[2] != "yes" && f[2] != "no")) {
      throw std::runtime_error("industry classification line not understood: " + line);
    }
    std::size_t depth = depthOf(f[0]);
    if (depth > lastAtDepth.size()) throw std::runtime_error("entry without parent: " + f[0]);
    lastAtDepth.resize(depth);
    if (depth >= 2 && f[0].rfind(entries[lastAtDepth.back()].code, 0) != 0) {
      throw std::runtime_error("code does not extend its parent's: " + f[0]);
    }
    entries.push_back({f[0], f[1], f[2] == "yes", lastAtDepth});
    lastAtDepth.push_back(entries.size() - 1);
  }
  return entries;
}

// A group of a single class is found through that class, which bears its name and shows it as
// its group, as the standard's table prints them on one row.
template <typename Matches>
std::vector<std::size_t> entriesWhere(Matches matches) {
  const auto& entries = industryClassification2017();
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].listed && matches(entries[i])) found.push_back(i);
  }
  return found;
}

}  // namespace

const std::vector<IndustryEntry2017>& industryClassification2017() {
  static const std::vector<IndustryEntry2017> entries =
      parseClassification(embeddedData("editions/gbt4754_2017.tsv"));
  return entries;
}

std::string_view levelName(const IndustryEntry2017& entry) {
  static constexpr std::string_view kLevels[] = {"门类", "大类", "中类", "小类"};
  return kLevels[entry.ancestors.size()];
}

std::string placeInHierarchy(const IndustryEntry2017& entry) {
  const auto& entries = industryClassification2017();
  std::string place;
  for (std::size_t ancestor : entry.ancestors) {
    if (!place.empty()) place += kPlaceSeparator;
    place += entries[ancestor].code + " " + entries[ancestor].name;
  }
  return place;
}

std::vector<std::size_t> industrySection2017(std::string_view letter) {
  std::u32string wanted = toUtf32(letter);
  const auto& entries = industryClassification2017();
  return entriesWhere([&](const IndustryEntry2017& e) {
    const IndustryEntry2017& section = e.ancestors.empty() ? e : entries[e.ancestors.front()];
    return equalAsText(toUtf32(section.code), wanted);
  });
}

std::vector<std::size_t> industryCodesStartingWith(std::string_view prefix) {
  std::u32string wanted = toUtf32(prefix);
  return entriesWhere([&](const IndustryEntry2017& e) { return startsWithAsText(e.code, wanted); });
}

std::vector<std::size_t> industryNamesContaining(std::string_view keyword) {
  std::u32string wanted = toUtf32(keyword);
  if (wanted.empty()) return {};
  return entriesWhere([&](const IndustryEntry2017& e) {
    return findAsText(toUtf32(e.name), wanted) != std::u32string::npos;
  });
}

std::vector<std::vector<std::string>> industryRows2017(const std::vector<std::size_t>& found) {
  const auto& entries = industryClassification2017();
  std::vector<std::vector<std::string>> rows = {
      {"代码", "类别名称", "层级", "所属门类 › 大类 › 中类"}};
  for (std::size_t i : found) {
    const IndustryEntry2017& e = entries[i];
    rows.push_back({e.code, e.name, std::string(levelName(e)), placeInHierarchy(e)});
  }
  return rows;
}

}  // namespace tolvar::catalogues
