#pragma once

#include "framework/tool.h"

namespace tolvar::process {

inline constexpr const char* kIncinerationTitle = "焚烧垃圾烟尘排放量";

// Besides its result field, the window prints the emission of two furnace types on its own
// surface, one line lower at each press, into the drawn-text control "DrawnText".
class IncinerationWindow : public Tool {
 public:
  IncinerationWindow();

 private:
  float emission_ = 0.0f;
};

}  // namespace tolvar::process
