#pragma once

#include "framework/tool.h"

namespace tolvar::industry {

inline constexpr const char* kLeatherTitle = "制革行业污染物排放量";

// Yearly generation and discharge of six water pollutants from a tonnage of raw hide, computed
// when "计算" is pressed.
class LeatherWindow : public Tool {
 public:
  LeatherWindow();

 private:
  float tonnage_ = 0.0f;  // the window-level tonnage, single as the original kept it
};

}  // namespace tolvar::industry
