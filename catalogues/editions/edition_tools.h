#pragma once

#include <vector>

#include "framework/tool.h"
#include "shell/catalogue.h"

namespace tolvar::catalogues {

// The searches over the current editions, and the edition notices of every window that
// carries a superseded one.
void registerEditionTools(ToolRegistry& registry);

// The main window's menu "现行标准", which stands after the tool catalogue's menus.
const std::vector<CatalogueEntry>& currentEditionsMenu();

}  // namespace tolvar::catalogues
