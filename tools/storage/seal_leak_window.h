#pragma once

#include "framework/tool.h"

namespace tolvar::storage {

inline constexpr const char* kSealLeakTitle = "不严密处散发量计算";

// Recomputes as the inputs change; keeps no values of its own.
class SealLeakWindow : public Tool {
 public:
  SealLeakWindow();
};

}  // namespace tolvar::storage
