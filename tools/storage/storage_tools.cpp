#include "tools/storage/storage_tools.h"

#include "tools/storage/evaporation_window.h"
#include "tools/storage/fixed_roof_tank_source_window.h"
#include "tools/storage/fixed_roof_tank_window.h"
#include "tools/storage/open_storage_window.h"
#include "tools/storage/paint_solvent_table_window.h"
#include "tools/storage/seal_leak_window.h"

namespace tolvar::storage {

void registerStorageTools(ToolRegistry& registry) {
  registerTool<FixedRoofTankWindow>(registry, kFixedRoofTankTitle);
  registerTool<FixedRoofTankSourceWindow>(registry, kFixedRoofTankSourceTitle);
  registerTool<SealLeakWindow>(registry, kSealLeakTitle);
  registerTool<OpenStorageWindow>(registry, kOpenStorageTitle);
  registerTool<EvaporationWindow>(registry, kEvaporationTitle);
  registerTool<PaintSolventTableWindow>(registry, kPaintSolventTableTitle);
}

}  // namespace tolvar::storage
