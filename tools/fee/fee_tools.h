#pragma once

#include "framework/tool.h"

namespace tolvar::fee {

void registerFeeTools(ToolRegistry& registry);

}  // namespace tolvar::fee
