#pragma once

#include <string>
#include <string_view>
#include <vector>

// The table of the national hazardous waste list, 2021 edition: its wastes and searches by
// category, by waste code and by a keyword in the industry source or the description.
namespace tolvar::catalogues {

struct HazardousWaste2021 {
  std::string category;      // "HW01"
  std::string categoryName;  // "医疗废物"
  std::string industry;      // the industry source (行业来源)
  std::string code;          // "841-001-01"
  std::string description;
  std::string hazard;  // the hazard characteristics as printed ("T", "T，I", "T/C/I/R")
};

const std::vector<HazardousWaste2021>& hazardousWasteList2021();

// The categories in list order as "HW01 医疗废物".
std::vector<std::string> hazardousWasteCategories2021();

// Each search gives the matching wastes in list order; codes and keywords are compared as text,
// like the other catalogue searches. A category is its code ("HW01"), or an item of the category
// list.
std::vector<std::size_t> wastesInCategory(std::string_view category);
std::vector<std::size_t> wastesWithCodeStartingWith(std::string_view code);
std::vector<std::size_t> wastesMentioning(std::string_view keyword);

// The table rows that the search window shows, heading row first.
std::vector<std::vector<std::string>> hazardousWasteRows2021(
    const std::vector<std::size_t>& wastes);

}  // namespace tolvar::catalogues
