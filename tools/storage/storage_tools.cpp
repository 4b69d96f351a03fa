#include "tools/storage/storage_tools.h"

#include "tools/storage/fixed_roof_tank_source_window.h"
#include "tools/storage/fixed_roof_tank_window.h"

namespace tolvar::storage {

void registerStorageTools(ToolRegistry& registry) {
  registerTool<FixedRoofTankWindow>(registry, kFixedRoofTankTitle);
  registerTool<FixedRoofTankSourceWindow>(registry, kFixedRoofTankSourceTitle);
}

}  // namespace tolvar::storage
