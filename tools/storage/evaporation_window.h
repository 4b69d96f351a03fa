#pragma once

#include "framework/tool.h"

namespace tolvar::storage {

inline constexpr const char* kEvaporationTitle = "蒸发废气排放量";

// Keeps W between presses: inputs that do not give a W show the previous one again.
class EvaporationWindow : public Tool {
 public:
  EvaporationWindow();

 private:
  float evaporated_ = 0.0f;
};

}  // namespace tolvar::storage
