#pragma once

#include "framework/tool.h"

namespace tolvar::catalogues {

void registerCatalogueTools(ToolRegistry& registry);

}  // namespace tolvar::catalogues
