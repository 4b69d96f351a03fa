#pragma once

#include "framework/tool.h"

namespace tolvar::distance {

void registerDistanceTools(ToolRegistry& registry);

}  // namespace tolvar::distance
