#pragma once

#include "framework/tool.h"
#include "tools/process/drying_exhaust.h"

namespace tolvar::process {

inline constexpr const char* kDryingExhaustTitle = "干燥废气计算";

class DryingExhaustWindow : public Tool {
 public:
  DryingExhaustWindow();

 private:
  DryingExhaustValues values_;
};

}  // namespace tolvar::process
