#include "tools/noise/noise_tools.h"

#include "tools/noise/attenuation_window.h"
#include "tools/noise/level_difference_window.h"
#include "tools/noise/superposition_window.h"

namespace tolvar::noise {

void registerNoiseTools(ToolRegistry& registry) {
  registerTool<SuperpositionWindow>(registry, kSuperpositionTitle);
  registerTool<AttenuationWindow>(registry, kAttenuationTitle);
  registerTool<LevelDifferenceWindow>(registry, kLevelDifferenceTitle);
}

}  // namespace tolvar::noise
