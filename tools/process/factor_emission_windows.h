#pragma once

#include "framework/tool.h"

namespace tolvar::process {

inline constexpr const char* kFeedMillingTitle = "饲料及粮食加工颗粒物排放量的计算";
inline constexpr const char* kCottonGinTitle = "棉花轧花机粉尘排放量";
inline constexpr const char* kGlassRawMaterialTitle = "玻璃原料制造设备颗粒物排放量";
inline constexpr const char* kGlassMakingTitle = "玻璃制造颗粒物排放量";

// The four windows that multiply a quantity in t by an emission factor in kg per tonne.
void registerFactorEmissionWindows(ToolRegistry& registry);

}  // namespace tolvar::process
