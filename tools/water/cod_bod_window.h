#pragma once

#include "framework/tool.h"

namespace tolvar::water {

inline constexpr const char* kCodBodTitle = "COD转换BOD";

// Eight independent rows; each converts its own COD as it is typed. Keeps no values.
class CodBodWindow : public Tool {
 public:
  CodBodWindow();
};

}  // namespace tolvar::water
