#pragma once

#include "framework/tool.h"

namespace tolvar::catalogues {

inline constexpr const char* kIndustryClassificationTitle = "国民经济行业分类与代码检索";

// Keeps no values of its own: both searches read the stored classification.
class IndustryClassificationWindow : public Tool {
 public:
  IndustryClassificationWindow();
};

}  // namespace tolvar::catalogues
