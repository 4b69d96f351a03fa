#include "tools/all_tools.h"

#include "tools/noise/noise_tools.h"

namespace tolvar {

ToolRegistry allTools() {
  ToolRegistry registry;
  noise::registerNoiseTools(registry);
  return registry;
}

}  // namespace tolvar
