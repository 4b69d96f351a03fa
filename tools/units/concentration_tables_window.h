#pragma once

#include "framework/tool.h"

namespace tolvar::units {

inline constexpr const char* kCommonUnitsTitle = "常用单位换算";
inline constexpr const char* kConcentrationUnitsTitle = "浓度单位换算";

// The ppm and ppb equivalences and the mass-volume formula of a gas concentration.
class CommonUnitsWindow : public Tool {
 public:
  CommonUnitsWindow();
};

// The formulas between normality, molarity, mass percentage and mass-volume concentration.
class ConcentrationUnitsWindow : public Tool {
 public:
  ConcentrationUnitsWindow();
};

}  // namespace tolvar::units
