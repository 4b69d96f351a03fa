#pragma once

#include "framework/tool.h"

namespace tolvar::units {

inline constexpr const char* kUnitConversionTitle = "常用度量衡单位查询";

// Looks up the reference lines of a category and converts live under a convertible line.
class UnitConversionWindow : public Tool {
 public:
  UnitConversionWindow();
};

}  // namespace tolvar::units
