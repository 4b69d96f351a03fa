#pragma once

#include <memory>

#include "framework/tool.h"

namespace tolvar::catalogues {

// The list's full text in an embedded-sheet window: a read-only document that the user opens
// for reading with "激活（复原）查看" and closes with "关闭WORD".
std::unique_ptr<Tool> hazardousWasteFullTextWindow();

}  // namespace tolvar::catalogues
