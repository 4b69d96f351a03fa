#include "tools/noise/noise_tools.h"

#include "tools/noise/superposition_window.h"

namespace tolvar::noise {

void registerNoiseTools(ToolRegistry& registry) {
  registerTool<SuperpositionWindow>(registry, kSuperpositionTitle);
}

}  // namespace tolvar::noise
