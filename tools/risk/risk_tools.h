#pragma once

#include "framework/tool.h"

namespace tolvar::risk {

void registerRiskTools(ToolRegistry& registry);

}  // namespace tolvar::risk
