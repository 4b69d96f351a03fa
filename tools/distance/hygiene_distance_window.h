#pragma once

#include "framework/tool.h"
#include "tools/distance/hygiene_distance.h"

namespace tolvar::distance {

inline constexpr const char* kHygieneDistanceTitle = "卫生防护距离计算工具";

class HygieneDistanceWindow : public Tool {
 public:
  HygieneDistanceWindow();

 private:
  HygieneValues values_;
};

}  // namespace tolvar::distance
