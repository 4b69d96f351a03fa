#pragma once

#include "framework/tool.h"

namespace tolvar::storage {

inline constexpr const char* kFixedRoofTankSourceTitle = "固顶贮罐呼吸排放量和工作排放量资料";

// The source text of the tank-loss method; it has no behaviour of its own.
class FixedRoofTankSourceWindow : public Tool {
 public:
  FixedRoofTankSourceWindow();
};

}  // namespace tolvar::storage
