#include "tools/storage/storage_tools.h"

#include "tools/storage/fixed_roof_tank_source_window.h"
#include "tools/storage/fixed_roof_tank_window.h"
#include "tools/storage/open_storage_window.h"
#include "tools/storage/seal_leak_window.h"

namespace tolvar::storage {

void registerStorageTools(ToolRegistry& registry) {
  registerTool<FixedRoofTankWindow>(registry, kFixedRoofTankTitle);
  registerTool<FixedRoofTankSourceWindow>(registry, kFixedRoofTankSourceTitle);
  registerTool<SealLeakWindow>(registry, kSealLeakTitle);
  registerTool<OpenStorageWindow>(registry, kOpenStorageTitle);
}

}  // namespace tolvar::storage
