#pragma once

#include "framework/tool.h"

namespace tolvar::risk {

inline constexpr const char* kTwoPhaseLeakTitle = "两相泄漏量计算";

// Recomputes on every change of an input and on a click in the result field.
class TwoPhaseLeakWindow : public Tool {
 public:
  TwoPhaseLeakWindow();
};

}  // namespace tolvar::risk
