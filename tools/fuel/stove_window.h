#pragma once

#include "framework/tool.h"
#include "tools/fuel/stove_loads.h"

namespace tolvar::fuel {

// What tells the two stove windows apart.
struct StoveWindowKind {
  const char* title;
  const char* heading;
  const char* stove;      // the stove kind of its rows in stove_factors.tsv
  const char* listLabel;  // the caption of the coal kind list
};

inline constexpr StoveWindowKind kTeaStove{"茶炉污染物产排放量计算", "茶炉污染物产排放量计算",
                                           "茶炉", "请选择茶炉所用的煤种："};
inline constexpr StoveWindowKind kBigStove{"大灶污染物产排量计算", "大灶污染物产排放量计算", "大灶",
                                           "请选择大灶所用的煤种："};

// Turns a quantity of coal into pollutant loads with the emission factors of the chosen coal
// kind when "计算" is pressed. The loads are window-level values.
class StoveWindow : public Tool {
 public:
  explicit StoveWindow(const StoveWindowKind& kind);

 private:
  std::vector<StoveFactors> rows_;
  StoveLoads loads_;
};

}  // namespace tolvar::fuel
