#include "tools/units/units_tools.h"

#include "tools/units/unit_conversion_window.h"

namespace tolvar::units {

void registerUnitTools(ToolRegistry& registry) {
  registerTool<UnitConversionWindow>(registry, kUnitConversionTitle);
}

}  // namespace tolvar::units
