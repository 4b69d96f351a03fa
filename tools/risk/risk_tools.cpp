#include "tools/risk/risk_tools.h"

#include "tools/risk/gas_leak_window.h"
#include "tools/risk/liquid_leak_window.h"
#include "tools/risk/pool_evaporation_window.h"
#include "tools/risk/two_phase_leak_window.h"

namespace tolvar::risk {

void registerRiskTools(ToolRegistry& registry) {
  registerTool<LiquidLeakWindow>(registry, kLiquidLeakTitle);
  registerTool<GasLeakWindow>(registry, kGasLeakTitle);
  registerTool<TwoPhaseLeakWindow>(registry, kTwoPhaseLeakTitle);
  registerTool<PoolEvaporationWindow>(registry, kPoolEvaporationTitle);
}

}  // namespace tolvar::risk
