#pragma once

#include "framework/tool.h"

namespace tolvar::fee {

inline constexpr const char* kConsultingFeeTitle = "建设项目环境影响评价咨询收费";

// Estimates the preparation and review fees of an EIA document when "刷新结果" is pressed.
class ConsultingFeeWindow : public Tool {
 public:
  ConsultingFeeWindow();
};

}  // namespace tolvar::fee
