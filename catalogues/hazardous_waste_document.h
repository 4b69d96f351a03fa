#pragma once

#include <string>
#include <vector>

#include "catalogues/hazardous_waste.h"
#include "framework/worksheet.h"

namespace tolvar::catalogues {

inline constexpr const char* kHazardousWasteDocumentTitle = "国家危险废物名录";
inline constexpr const char* kHazardousWasteIssuingLine =
    "(1998年1月4日，国家环保局、国家经贸委、外经贸部、公安部颁布，1998年7月1日实施"
    "环发[1998]089号)";

// The list's table: the header row, then one row per category with its code, name, source lines
// and component lines (the lines of a cell separated by line feeds).
std::vector<std::vector<std::string>> hazardousWasteTable(const HazardousWasteList& list);

// The list as a document of text cells: the title in A1, the issuing line in A2, then the table
// in columns A to D, each line of a cell on a row of its own so that a category's lines stand
// under its code as on the printed page.
Worksheet hazardousWasteDocument(const HazardousWasteList& list);

}  // namespace tolvar::catalogues
