#pragma once

#include "framework/tool.h"
#include "tools/noise/attenuation.h"

namespace tolvar::noise {

inline constexpr const char* kAttenuationTitle = "噪声源衰减计算程序";

class AttenuationWindow : public Tool {
 public:
  AttenuationWindow();

 private:
  AttenuationValues values_;
};

}  // namespace tolvar::noise
