#pragma once

#include "framework/tool.h"
#include "tools/water/sludge.h"

namespace tolvar::water {

inline constexpr const char* kSewageSludgeTitle = "污泥量计算";

// Keeps the three coefficients, their sum and both sludge amounts between presses of
// "刷新结果": a step whose text is not a number reuses its value from the previous press.
class SewageSludgeWindow : public Tool {
 public:
  SewageSludgeWindow();

 private:
  SewageSludgeValues values_;
};

}  // namespace tolvar::water
