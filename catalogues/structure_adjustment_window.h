#pragma once

#include "framework/tool.h"

namespace tolvar::catalogues {

inline constexpr const char* kStructureAdjustmentTitle = "产业结构调整指导目录";
inline constexpr const char* kStructureAdjustmentFullTextTitle = "产业结构调整指导目录全文";

// Keeps no values of its own: each search reads the stored catalogue.
class StructureAdjustmentWindow : public Tool {
 public:
  StructureAdjustmentWindow();
};

}  // namespace tolvar::catalogues
