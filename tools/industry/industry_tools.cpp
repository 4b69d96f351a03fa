#include "tools/industry/industry_tools.h"

#include "tools/industry/coefficient_sheet_windows.h"

namespace tolvar::industry {

void registerIndustryTools(ToolRegistry& registry) {
  registerCoefficientSheetWindows(registry);
}

}  // namespace tolvar::industry
