#pragma once

#include "framework/tool.h"

namespace tolvar::noise {

void registerNoiseTools(ToolRegistry& registry);

}  // namespace tolvar::noise
