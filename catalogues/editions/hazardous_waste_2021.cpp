#include "catalogues/editions/hazardous_waste_2021.h"

#include <sstream>
#include <stdexcept>

#include "catalogues/editions/text_prefix.h"
#include "catalogues/text_compare.h"
#include "framework/embedded_data.h"
#include "framework/tab_separated.h"

namespace tolvar::catalogues {
namespace {

std::vector<HazardousWaste2021> parseList(std::string_view data) {
  std::vector<HazardousWaste2021> wastes;
  std::istringstream lines{std::string(data)};
  for (std::string line; std::getline(lines, line);) {
    if (line.empty()) continue;
    std::vector<std::string> f = splitTabs(line);
    // A waste code ends in its category's number: 841-001-01 belongs to HW01.
    if (f.size() != 6 || f[0].size() != 4 || f[3].size() != 10 ||
        f[3].substr(8) != f[0].substr(2)) {
      throw std::runtime_error("hazardous waste line not understood: " + line);
    }
    wastes.push_back({f[0], f[1], f[2], f[3], f[4], f[5]});
  }
  return wastes;
}

template <typename Matches>
std::vector<std::size_t> wastesWhere(Matches matches) {
  const auto& wastes = hazardousWasteList2021();
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < wastes.size(); ++i) {
    if (matches(wastes[i])) found.push_back(i);
  }
  return found;
}

}  // namespace

const std::vector<HazardousWaste2021>& hazardousWasteList2021() {
  static const std::vector<HazardousWaste2021> wastes =
      parseList(embeddedData("editions/hazardous_waste_2021.tsv"));
  return wastes;
}

std::vector<std::string> hazardousWasteCategories2021() {
  std::vector<std::string> categories;
  for (const HazardousWaste2021& w : hazardousWasteList2021()) {
    std::string item = w.category + " " + w.categoryName;
    if (categories.empty() || categories.back() != item) categories.push_back(item);
  }
  return categories;
}

std::vector<std::size_t> wastesInCategory(std::string_view category) {
  std::u32string wanted = toUtf32(category.substr(0, category.find(' ')));
  return wastesWhere(
      [&](const HazardousWaste2021& w) { return equalAsText(toUtf32(w.category), wanted); });
}

std::vector<std::size_t> wastesWithCodeStartingWith(std::string_view code) {
  std::u32string wanted = toUtf32(code);
  return wastesWhere([&](const HazardousWaste2021& w) { return startsWithAsText(w.code, wanted); });
}

std::vector<std::size_t> wastesMentioning(std::string_view keyword) {
  std::u32string wanted = toUtf32(keyword);
  if (wanted.empty()) return {};
  return wastesWhere([&](const HazardousWaste2021& w) {
    return findAsText(toUtf32(w.industry), wanted) != std::u32string::npos ||
           findAsText(toUtf32(w.description), wanted) != std::u32string::npos;
  });
}

// The description, often long, comes last so that the short columns stay in view.
std::vector<std::vector<std::string>> hazardousWasteRows2021(
    const std::vector<std::size_t>& found) {
  const auto& wastes = hazardousWasteList2021();
  std::vector<std::vector<std::string>> rows = {
      {"废物类别", "行业来源", "废物代码", "危险特性", "危险废物"}};
  for (std::size_t i : found) {
    const HazardousWaste2021& w = wastes[i];
    rows.push_back(
        {w.category + " " + w.categoryName, w.industry, w.code, w.hazard, w.description});
  }
  return rows;
}

}  // namespace tolvar::catalogues
