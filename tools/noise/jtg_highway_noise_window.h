#pragma once

#include "framework/tool.h"

namespace tolvar::noise {

inline constexpr const char* kJtgHighwayNoiseTitle =
    "公路交通噪声预测 《公路建设项目环境影响评价规范》JTG B03-2006";

// Keeps no window-level values: every press of "刷新结果" predicts afresh from the fields.
class JtgHighwayNoiseWindow : public Tool {
 public:
  JtgHighwayNoiseWindow();
};

}  // namespace tolvar::noise
