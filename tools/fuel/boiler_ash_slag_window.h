#pragma once

#include "framework/tool.h"

namespace tolvar::fuel {

inline constexpr const char* kBoilerAshSlagTitle = "锅炉煤灰渣产生量计算";

// Recomputes the three results whenever an input changes; a click on a result recomputes it.
class BoilerAshSlagWindow : public Tool {
 public:
  BoilerAshSlagWindow();
};

}  // namespace tolvar::fuel
