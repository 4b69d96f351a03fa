#pragma once

#include "framework/tool.h"
#include "tools/storage/open_storage.h"

namespace tolvar::storage {

inline constexpr const char* kOpenStorageTitle = "有毒有害物质露天存放散发量";

// Keeps q, PH, the air-speed factor and Gs between presses of "计算": a step whose input is not
// a number reuses its value from the previous press.
class OpenStorageWindow : public Tool {
 public:
  OpenStorageWindow();

 private:
  OpenStorageValues values_;
};

}  // namespace tolvar::storage
