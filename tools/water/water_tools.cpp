#include "tools/water/water_tools.h"

#include <memory>

#include "tools/fuel/reference_table_window.h"
#include "tools/water/cod_bod_window.h"
#include "tools/water/settling_tank_sludge_window.h"
#include "tools/water/sewage_sludge_source_window.h"
#include "tools/water/sewage_sludge_window.h"
#include "tools/water/water_reference_tables.h"

namespace tolvar::water {

void registerWaterTools(ToolRegistry& registry) {
  registerTool<CodBodWindow>(registry, kCodBodTitle);
  registerTool<SewageSludgeWindow>(registry, kSewageSludgeTitle);
  registerTool<SewageSludgeSourceWindow>(registry, kSewageSludgeSourceTitle);
  registerTool<SettlingTankSludgeWindow>(registry, kSettlingTankSludgeTitle);
  for (const fuel::ReferenceTable& table : waterReferenceTables()) {
    registry.add(table.title,
                 [&table] { return std::make_unique<fuel::ReferenceTableWindow>(table); });
  }
}

}  // namespace tolvar::water
