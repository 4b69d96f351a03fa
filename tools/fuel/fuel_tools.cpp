#include "tools/fuel/fuel_tools.h"

#include <memory>

#include "tools/fuel/boiler_ash_slag_window.h"
#include "tools/fuel/coal_pollutants_window.h"
#include "tools/fuel/flue_gas_volume_window.h"
#include "tools/fuel/gas_pollutants_window.h"
#include "tools/fuel/oil_pollutants_window.h"
#include "tools/fuel/reference_table_window.h"
#include "tools/fuel/reference_tables.h"
#include "tools/fuel/stove_window.h"

namespace tolvar::fuel {

void registerFuelTools(ToolRegistry& registry) {
  registerTool<CoalPollutantsWindow>(registry, kCoalPollutantsTitle);
  registerTool<FlueGasVolumeWindow>(registry, kFlueGasVolumeTitle);
  registerTool<OilPollutantsWindow>(registry, kOilPollutantsTitle);
  registerTool<GasPollutantsWindow>(registry, kGasPollutantsTitle);
  registerTool<BoilerAshSlagWindow>(registry, kBoilerAshSlagTitle);
  for (const StoveWindowKind* kind : {&kTeaStove, &kBigStove}) {
    registry.add(kind->title, [kind] { return std::make_unique<StoveWindow>(*kind); });
  }
  for (const ReferenceTable& table : fuelReferenceTables()) {
    registry.add(table.title, [&table] { return std::make_unique<ReferenceTableWindow>(table); });
  }
  const ReferenceTable& motorVehicles = motorVehicleEmissionTable();
  registry.add(motorVehicles.title,
               [&motorVehicles] { return std::make_unique<ReferenceTableWindow>(motorVehicles); });
}

}  // namespace tolvar::fuel
