#pragma once

#include "framework/tool.h"
#include "tools/risk/gas_leak.h"

namespace tolvar::risk {

inline constexpr const char* kGasLeakTitle = "气体泄漏量";

class GasLeakWindow : public Tool {
 public:
  GasLeakWindow();

 private:
  GasLeakValues values_;
};

}  // namespace tolvar::risk
