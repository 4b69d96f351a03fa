#pragma once

#include "framework/tool.h"

namespace tolvar::storage {

void registerStorageTools(ToolRegistry& registry);

}  // namespace tolvar::storage
