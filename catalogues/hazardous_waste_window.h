#pragma once

#include "framework/tool.h"

namespace tolvar::catalogues {

inline constexpr const char* kHazardousWasteTitle = "危险废物名录查询";
inline constexpr const char* kHazardousWasteFullTextTitle = "国家危险废物名录全文";

// Keeps no values of its own: each search reads the stored list.
class HazardousWasteWindow : public Tool {
 public:
  HazardousWasteWindow();
};

}  // namespace tolvar::catalogues
