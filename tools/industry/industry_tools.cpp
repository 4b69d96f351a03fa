#include "tools/industry/industry_tools.h"

#include "tools/industry/coefficient_sheet_windows.h"
#include "tools/industry/leather_window.h"
#include "tools/industry/metal_surface_window.h"

namespace tolvar::industry {

void registerIndustryTools(ToolRegistry& registry) {
  registerCoefficientSheetWindows(registry);
  registerTool<LeatherWindow>(registry, kLeatherTitle);
  registerTool<MetalSurfaceWindow>(registry, kMetalSurfaceTitle);
}

}  // namespace tolvar::industry
