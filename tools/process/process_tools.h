#pragma once

#include "framework/tool.h"

namespace tolvar::process {

void registerProcessTools(ToolRegistry& registry);

}  // namespace tolvar::process
