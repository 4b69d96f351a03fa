#pragma once

#include "framework/tool.h"
#include "tools/process/lime_kiln.h"

namespace tolvar::process {

inline constexpr const char* kLimeKilnExhaustTitle = "石灰窑废气产生量";

class LimeKilnExhaustWindow : public Tool {
 public:
  LimeKilnExhaustWindow();

 private:
  LimeKilnExhaustValues values_;
};

}  // namespace tolvar::process
