#include "tools/fuel/fuel_tools.h"

namespace tolvar::fuel {

void registerFuelTools(ToolRegistry&) {}

}  // namespace tolvar::fuel
