#pragma once

#include "framework/tool.h"
#include "tools/process/dolomite_kiln.h"

namespace tolvar::process {

inline constexpr const char* kDolomiteKilnTitle = "白云石窑废气量计算";

class DolomiteKilnWindow : public Tool {
 public:
  DolomiteKilnWindow();

 private:
  DolomiteKilnValues values_;
};

}  // namespace tolvar::process
