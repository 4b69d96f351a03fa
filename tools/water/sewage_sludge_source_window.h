#pragma once

#include "framework/tool.h"

namespace tolvar::water {

inline constexpr const char* kSewageSludgeSourceTitle = "生活污水处理污泥计算来源";

// The guide's text of the sewage-works sludge method; it has no behaviour of its own.
class SewageSludgeSourceWindow : public Tool {
 public:
  SewageSludgeSourceWindow();
};

}  // namespace tolvar::water
