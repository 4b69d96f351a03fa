#pragma once

#include <string>
#include <string_view>
#include <vector>

// The current national industry classification, GB/T 4754-2017: its entries with their place in
// the hierarchy, and searches by section, by code prefix and by a keyword in the name.
namespace tolvar::catalogues {

struct IndustryEntry2017 {
  std::string code;  // a section letter, or a 2-, 3- or 4-digit code
  std::string name;
  // Whether the entry has a line of its own in the standard's table: a group holding a single
  // class appears only as that class.
  bool listed = true;
  // The entries above it, section first, as indices into the classification.
  std::vector<std::size_t> ancestors;
};

const std::vector<IndustryEntry2017>& industryClassification2017();

// "门类", "大类", "中类" or "小类".
std::string_view levelName(const IndustryEntry2017& entry);

// The entries above an entry as "A 农、林、牧、渔业 › 01 农业 › 011 谷物种植".
std::string placeInHierarchy(const IndustryEntry2017& entry);

// Each search gives the indices of the matching entries in code order. Codes and names are
// compared as text, like the other catalogue searches.
std::vector<std::size_t> industrySection2017(std::string_view letter);
std::vector<std::size_t> industryCodesStartingWith(std::string_view prefix);
std::vector<std::size_t> industryNamesContaining(std::string_view keyword);

// The table rows that the search window shows for a search's entries, heading row first.
std::vector<std::vector<std::string>> industryRows2017(const std::vector<std::size_t>& entries);

}  // namespace tolvar::catalogues
