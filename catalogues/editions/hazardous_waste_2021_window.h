#pragma once

#include "catalogues/editions/edition_search_window.h"

namespace tolvar::catalogues {

inline constexpr const char* kHazardousWaste2021Title = "国家危险废物名录（2021年版）查询";

class HazardousWaste2021Window : public EditionSearchWindow {
 public:
  HazardousWaste2021Window();
};

}  // namespace tolvar::catalogues
