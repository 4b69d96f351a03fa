#include "tools/process/process_tools.h"

#include "tools/process/dolomite_kiln_window.h"
#include "tools/process/drying_exhaust_window.h"
#include "tools/process/factor_emission_windows.h"
#include "tools/process/foundry_particulates_window.h"
#include "tools/process/incineration_window.h"
#include "tools/process/lime_kiln_dust_window.h"
#include "tools/process/lime_kiln_exhaust_window.h"

namespace tolvar::process {

void registerProcessTools(ToolRegistry& registry) {
  registerTool<LimeKilnExhaustWindow>(registry, kLimeKilnExhaustTitle);
  registerTool<LimeKilnDustWindow>(registry, kLimeKilnDustTitle);
  registerTool<FoundryParticulatesWindow>(registry, kFoundryParticulatesTitle);
  registerTool<DolomiteKilnWindow>(registry, kDolomiteKilnTitle);
  registerTool<DryingExhaustWindow>(registry, kDryingExhaustTitle);
  registerTool<IncinerationWindow>(registry, kIncinerationTitle);
  registerFactorEmissionWindows(registry);
}

}  // namespace tolvar::process
