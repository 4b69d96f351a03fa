#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The national hazardous waste list of 1998: 47 categories, each with its sources and common
// hazardous components, and the lookup of a category by its code.
namespace tolvar::catalogues {

struct HazardousWasteCategory {
  std::string code;  // "HW01"
  std::string name;
  std::vector<std::string> sources;     // the first a general description, then "——" processes
  std::vector<std::string> components;  // common hazardous components or wastes
  std::vector<std::string> lines;       // every line after the name, in the list's order
  bool complete = true;                 // false when some of its lines are not stored
};

struct HazardousWasteList {
  std::vector<HazardousWasteCategory> categories;
  // One entry per category in code order: the code line, the name line and the other lines,
  // each ending in CR LF.
  std::u32string text;
};

// Reads the list's data file (format in README.md); throws std::invalid_argument naming the line
// of a malformed file.
HazardousWasteList parseHazardousWasteList(std::string_view data);
const HazardousWasteList& hazardousWasteList();

inline constexpr std::size_t kHazardousWasteCategoryCount = 47;

// The entry of a code, compared as text, from its code line to its last line's carriage return;
// an empty code gives the first entry, a text that is no code of the list none.
std::optional<std::u32string_view> hazardousWasteEntry(std::u32string_view text,
                                                       std::u32string_view code);

}  // namespace tolvar::catalogues
