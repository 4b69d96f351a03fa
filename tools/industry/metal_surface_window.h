#pragma once

#include "framework/tool.h"

namespace tolvar::industry {

inline constexpr const char* kMetalSurfaceTitle = "乡镇企业金属表面及热处理业排污量计算";

// Rebuilds the paragraph of pollutants at every change of the quantity.
class MetalSurfaceWindow : public Tool {
 public:
  MetalSurfaceWindow();
};

}  // namespace tolvar::industry
