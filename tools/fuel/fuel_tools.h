#pragma once

#include "framework/tool.h"

namespace tolvar::fuel {

void registerFuelTools(ToolRegistry& registry);

}  // namespace tolvar::fuel
