#pragma once

#include "framework/tool.h"

namespace tolvar::noise {

inline constexpr const char* kJtjHighwayNoiseTitle = "公路交通噪声预测JTJ 005-96";

class JtjHighwayNoiseWindow : public Tool {
 public:
  JtjHighwayNoiseWindow();

 private:
  double groundConstant_ = 0;  // K1, set by the ground option; the load step chooses 1.0
};

}  // namespace tolvar::noise
