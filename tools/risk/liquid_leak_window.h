#pragma once

#include "framework/tool.h"

namespace tolvar::risk {

inline constexpr const char* kLiquidLeakTitle = "液体泄漏速度";

// Keeps nothing between presses of "计算".
class LiquidLeakWindow : public Tool {
 public:
  LiquidLeakWindow();
};

}  // namespace tolvar::risk
