#pragma once

#include "framework/tool.h"

namespace tolvar::process {

inline constexpr const char* kLimeKilnDustTitle = "石灰窑粉尘量计算";

class LimeKilnDustWindow : public Tool {
 public:
  LimeKilnDustWindow();

 private:
  float dust_ = 0.0f;
};

}  // namespace tolvar::process
