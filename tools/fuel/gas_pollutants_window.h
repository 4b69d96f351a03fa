#pragma once

#include "framework/tool.h"

namespace tolvar::fuel {

inline constexpr const char* kGasPollutantsTitle = "燃气污染物排放量的计算";

// Recomputes each load as soon as one of its inputs changes or its field is clicked.
class GasPollutantsWindow : public Tool {
 public:
  GasPollutantsWindow();
};

}  // namespace tolvar::fuel
