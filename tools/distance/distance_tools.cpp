#include "tools/distance/distance_tools.h"

namespace tolvar::distance {

void registerDistanceTools(ToolRegistry&) {}

}  // namespace tolvar::distance
