#pragma once

#include "framework/tool.h"

namespace tolvar {

inline constexpr const char* kHelpTitle = "帮助内容";

class HelpWindow : public Tool {
 public:
  HelpWindow();
};

}  // namespace tolvar
