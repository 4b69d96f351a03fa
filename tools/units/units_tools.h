#pragma once

#include "framework/tool.h"

namespace tolvar::units {

void registerUnitTools(ToolRegistry& registry);

}  // namespace tolvar::units
