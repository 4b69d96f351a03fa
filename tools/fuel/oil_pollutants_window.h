#pragma once

#include "framework/tool.h"

namespace tolvar::fuel {

inline constexpr const char* kOilPollutantsTitle = "燃油二氧化硫氮氧化物一氧化碳排放量计算";

// Recomputes each load as soon as one of its inputs changes or its field is clicked; η2, C and
// Q hold the method's fixed values and recompute nothing when changed.
class OilPollutantsWindow : public Tool {
 public:
  OilPollutantsWindow();
};

}  // namespace tolvar::fuel
