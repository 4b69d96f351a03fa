#include "tools/distance/distance_tools.h"

#include "tools/distance/hygiene_distance_window.h"

namespace tolvar::distance {

void registerDistanceTools(ToolRegistry& registry) {
  registerTool<HygieneDistanceWindow>(registry, kHygieneDistanceTitle);
}

}  // namespace tolvar::distance
