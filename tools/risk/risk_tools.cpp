#include "tools/risk/risk_tools.h"

namespace tolvar::risk {

void registerRiskTools(ToolRegistry&) {}

}  // namespace tolvar::risk
