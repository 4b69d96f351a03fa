#pragma once

#include "framework/tool.h"

namespace tolvar::water {

void registerWaterTools(ToolRegistry& registry);

}  // namespace tolvar::water
