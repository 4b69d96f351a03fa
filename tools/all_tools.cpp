#include "tools/all_tools.h"

#include "catalogues/catalogue_tools.h"
#include "catalogues/editions/edition_tools.h"
#include "shell/shell_windows.h"

#include "tools/distance/distance_tools.h"
#include "tools/fee/fee_tools.h"
#include "tools/fuel/fuel_tools.h"
#include "tools/industry/industry_tools.h"
#include "tools/noise/noise_tools.h"
#include "tools/process/process_tools.h"
#include "tools/risk/risk_tools.h"
#include "tools/storage/storage_tools.h"
#include "tools/units/units_tools.h"
#include "tools/water/water_tools.h"

namespace tolvar {

ToolRegistry allTools() {
  ToolRegistry registry;
  registerShellWindows(registry);
  noise::registerNoiseTools(registry);
  fuel::registerFuelTools(registry);
  distance::registerDistanceTools(registry);
  process::registerProcessTools(registry);
  risk::registerRiskTools(registry);
  storage::registerStorageTools(registry);
  water::registerWaterTools(registry);
  units::registerUnitTools(registry);
  fee::registerFeeTools(registry);
  industry::registerIndustryTools(registry);
  catalogues::registerCatalogueTools(registry);
  catalogues::registerEditionTools(registry);
  return registry;
}

}  // namespace tolvar
