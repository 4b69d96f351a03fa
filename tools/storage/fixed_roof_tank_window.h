#pragma once

#include "framework/tool.h"

namespace tolvar::storage {

inline constexpr const char* kFixedRoofTankTitle = "固定顶罐的呼吸排放量和工作排放量";

// Keeps no values of its own: every field is read when it is needed.
class FixedRoofTankWindow : public Tool {
 public:
  FixedRoofTankWindow();
};

}  // namespace tolvar::storage
