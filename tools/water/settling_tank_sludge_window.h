#pragma once

#include "framework/tool.h"

namespace tolvar::water {

inline constexpr const char* kSettlingTankSludgeTitle = "沉淀池污泥量";

// Recomputes as the inputs change; keeps nothing between computations.
class SettlingTankSludgeWindow : public Tool {
 public:
  SettlingTankSludgeWindow();
};

}  // namespace tolvar::water
