#include "tools/units/units_tools.h"

#include "tools/units/concentration_tables_window.h"
#include "tools/units/unit_conversion_window.h"

namespace tolvar::units {

void registerUnitTools(ToolRegistry& registry) {
  registerTool<UnitConversionWindow>(registry, kUnitConversionTitle);
  registerTool<ConcentrationUnitsWindow>(registry, kConcentrationUnitsTitle);
  registerTool<CommonUnitsWindow>(registry, kCommonUnitsTitle);
}

}  // namespace tolvar::units
