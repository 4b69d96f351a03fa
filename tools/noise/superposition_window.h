#pragma once

#include "framework/tool.h"
#include "tools/noise/superposition.h"

namespace tolvar::noise {

inline constexpr const char* kSuperpositionTitle = "噪声源叠加计算程序";

class SuperpositionWindow : public Tool {
 public:
  SuperpositionWindow();

 private:
  SuperpositionValues values_;
};

}  // namespace tolvar::noise
