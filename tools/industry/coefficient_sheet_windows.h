#pragma once

#include "framework/tool.h"

namespace tolvar::industry {

// The 22 windows that show one industry's generation and discharge coefficients as a live
// worksheet.
void registerCoefficientSheetWindows(ToolRegistry& registry);

}  // namespace tolvar::industry
