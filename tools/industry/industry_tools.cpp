#include "tools/industry/industry_tools.h"

#include "tools/industry/coefficient_sheet_windows.h"
#include "tools/industry/leather_window.h"

namespace tolvar::industry {

void registerIndustryTools(ToolRegistry& registry) {
  registerCoefficientSheetWindows(registry);
  registerTool<LeatherWindow>(registry, kLeatherTitle);
}

}  // namespace tolvar::industry
