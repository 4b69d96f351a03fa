#pragma once

#include "framework/tool.h"

namespace tolvar::process {

inline constexpr const char* kFoundryParticulatesTitle = "铸造工业颗粒物排放量";

class FoundryParticulatesWindow : public Tool {
 public:
  FoundryParticulatesWindow();

 private:
  float emission_ = 0.0f;
};

}  // namespace tolvar::process
