#include "tools/water/water_tools.h"

#include "tools/water/cod_bod_window.h"
#include "tools/water/settling_tank_sludge_window.h"
#include "tools/water/sewage_sludge_source_window.h"
#include "tools/water/sewage_sludge_window.h"

namespace tolvar::water {

void registerWaterTools(ToolRegistry& registry) {
  registerTool<CodBodWindow>(registry, kCodBodTitle);
  registerTool<SewageSludgeWindow>(registry, kSewageSludgeTitle);
  registerTool<SewageSludgeSourceWindow>(registry, kSewageSludgeSourceTitle);
  registerTool<SettlingTankSludgeWindow>(registry, kSettlingTankSludgeTitle);
}

}  // namespace tolvar::water
