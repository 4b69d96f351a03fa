#pragma once

#include "framework/tool.h"

namespace tolvar::risk {

inline constexpr const char* kPoolEvaporationTitle = "风险评价蒸发量";

// Four panels under a tab strip, each recomputing its result live; nothing is kept between
// recomputations.
class PoolEvaporationWindow : public Tool {
 public:
  PoolEvaporationWindow();
};

}  // namespace tolvar::risk
