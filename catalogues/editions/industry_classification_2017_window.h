#pragma once

#include "catalogues/editions/edition_search_window.h"

namespace tolvar::catalogues {

inline constexpr const char* kIndustryClassification2017Title =
    "国民经济行业分类（GB/T 4754-2017）检索";

class IndustryClassification2017Window : public EditionSearchWindow {
 public:
  IndustryClassification2017Window();
};

}  // namespace tolvar::catalogues
