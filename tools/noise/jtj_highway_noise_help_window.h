#pragma once

#include "framework/tool.h"

namespace tolvar::noise {

inline constexpr const char* kJtjHighwayNoiseHelpTitle = "公路噪声预测帮助文档 JTJ 005-96";

// The description of the JTJ 005-96 model; it has no behaviour of its own.
class JtjHighwayNoiseHelpWindow : public Tool {
 public:
  JtjHighwayNoiseHelpWindow();
};

}  // namespace tolvar::noise
