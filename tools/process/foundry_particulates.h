#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tools/process/factor_tables.h"

namespace tolvar::process {

inline constexpr std::size_t kFoundryIndustries = 6;
inline constexpr std::string_view kNoStatisticalData = "未有统计数据";

// The six foundry industries in the window's order (aluminium casting, brass and bronze, grey
// iron, lead furnaces, steel founding, zinc): furnace or process items as rows, treatment
// facility items as columns.
const std::array<const FactorTable*, kFoundryIndustries>& foundryIndustries();

struct FoundryChoice {
  std::string furnace;
  std::string facility;
};

struct FoundryParticulates {
  float emission = 0.0f;              // kg
  std::vector<std::string> messages;  // to show one after another, in industry order
};

// Each industry whose furnace text is one of its items computes the emission on its own, so
// the last of them in industry order wins; one without a factor for its facility text leaves
// the emission as it was and adds a message. A quantity that does not convert does the same
// without a message.
FoundryParticulates foundryParticulates(
    const std::array<FoundryChoice, kFoundryIndustries>& choices, std::string_view quantity,
    float previous);

}  // namespace tolvar::process
