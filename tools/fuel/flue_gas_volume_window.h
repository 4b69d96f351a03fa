#pragma once

#include "framework/tool.h"
#include "tools/fuel/flue_gas_volume.h"

namespace tolvar::fuel {

inline constexpr const char* kFlueGasVolumeTitle = "燃料燃烧时产生的燃气量的计算";

class FlueGasVolumeWindow : public Tool {
 public:
  FlueGasVolumeWindow();

 private:
  FlueGasValues values_;
};

}  // namespace tolvar::fuel
