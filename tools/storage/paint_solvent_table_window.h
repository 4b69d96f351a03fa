#pragma once

#include "framework/tool.h"

namespace tolvar::storage {

inline constexpr const char* kPaintSolventTableTitle = "各种油漆有机溶剂挥发量表";

// The two pages of the paint solvent table shown in the same place, one at a time; the first at
// every opening.
class PaintSolventTableWindow : public Tool {
 public:
  PaintSolventTableWindow();
};

}  // namespace tolvar::storage
