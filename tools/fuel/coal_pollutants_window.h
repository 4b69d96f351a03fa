#pragma once

#include "framework/tool.h"

namespace tolvar::fuel {

inline constexpr const char* kCoalPollutantsTitle = "燃煤污染物排放量";

// Recomputes each load as soon as one of its inputs changes or its field is clicked.
class CoalPollutantsWindow : public Tool {
 public:
  CoalPollutantsWindow();
};

}  // namespace tolvar::fuel
