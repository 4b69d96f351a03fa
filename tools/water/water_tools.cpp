#include "tools/water/water_tools.h"

#include "tools/water/cod_bod_window.h"

namespace tolvar::water {

void registerWaterTools(ToolRegistry& registry) {
  registerTool<CodBodWindow>(registry, kCodBodTitle);
}

}  // namespace tolvar::water
