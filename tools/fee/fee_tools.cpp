#include "tools/fee/fee_tools.h"

#include "tools/fee/consulting_fee_window.h"

namespace tolvar::fee {

void registerFeeTools(ToolRegistry& registry) {
  registerTool<ConsultingFeeWindow>(registry, kConsultingFeeTitle);
}

}  // namespace tolvar::fee
