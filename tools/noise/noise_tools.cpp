#include "tools/noise/noise_tools.h"

#include <memory>

#include "tools/fuel/reference_table_window.h"
#include "tools/noise/attenuation_window.h"
#include "tools/noise/jtg_highway_noise_window.h"
#include "tools/noise/jtj_highway_noise_help_window.h"
#include "tools/noise/jtj_highway_noise_window.h"
#include "tools/noise/level_difference_window.h"
#include "tools/noise/noise_reference_tables.h"
#include "tools/noise/superposition_window.h"

namespace tolvar::noise {

void registerNoiseTools(ToolRegistry& registry) {
  registerTool<JtgHighwayNoiseWindow>(registry, kJtgHighwayNoiseTitle);
  registerTool<JtjHighwayNoiseWindow>(registry, kJtjHighwayNoiseTitle);
  registerTool<JtjHighwayNoiseHelpWindow>(registry, kJtjHighwayNoiseHelpTitle);
  registerTool<SuperpositionWindow>(registry, kSuperpositionTitle);
  registerTool<AttenuationWindow>(registry, kAttenuationTitle);
  registerTool<LevelDifferenceWindow>(registry, kLevelDifferenceTitle);
  for (const fuel::ReferenceTable& table : noiseReferenceTables()) {
    registry.add(table.title,
                 [&table] { return std::make_unique<fuel::ReferenceTableWindow>(table); });
  }
}

}  // namespace tolvar::noise
