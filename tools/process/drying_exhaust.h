#pragma once

#include <string>

namespace tolvar::process {

struct DryingExhaustTexts {
  std::string wetWeight;       // initial weight of the wet material, kg
  std::string moistureBefore;  // % by mass
  std::string moistureAfter;   // % by mass
};

// The window-level values of the drying window, single precision as the original program kept
// them: a step whose text does not convert keeps its value from the previous press.
struct DryingExhaustValues {
  float dryRatio = 0.0f;         // dry mass share before over dry mass share after
  float evaporatedShare = 0.0f;  // share of the wet weight driven off as vapour
  float vapour = 0.0f;           // kg
};

// Water vapour driven out of a wet material by drying it from one moisture to another.
DryingExhaustValues dryingExhaust(const DryingExhaustTexts& texts,
                                  const DryingExhaustValues& previous);

}  // namespace tolvar::process
