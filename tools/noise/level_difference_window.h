#pragma once

#include "framework/tool.h"

namespace tolvar::noise {

inline constexpr const char* kLevelDifferenceTitle = "分贝相减运算";

// Keeps no window-level values: every subtraction starts afresh from the two texts.
class LevelDifferenceWindow : public Tool {
 public:
  LevelDifferenceWindow();
};

}  // namespace tolvar::noise
