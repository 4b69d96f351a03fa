#include "tools/noise/superposition.h"

#include <cmath>

#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::noise {

Superposition superpose(const std::array<std::string, 5>& levelTexts,
                        const SuperpositionValues& previous) {
  SuperpositionValues v = previous;
  TextSlot result;
  Steps steps;

  steps.let(v.zeroCount, [] { return 0.0f; });
  for (std::size_t i = 0; i < v.levels.size(); ++i) {
    steps.let(v.levels[i], [&] { return strictSingle(levelTexts[i]); });
  }
  for (float level : v.levels) {
    if (level == 0.0f) steps.let(v.zeroCount, [&] { return v.zeroCount + 1.0f; });
  }
  steps.let(v.energySum, [&] {
    double sum = 0.0;
    for (float level : v.levels) sum += std::pow(10.0, static_cast<double>(level) / 10.0);
    return sum;
  });
  // Every absent source contributed 10^0 = 1 to the sum.
  steps.let(v.energySum, [&] { return v.energySum - v.zeroCount; });
  steps.let(v.result, [&] { return 10.0 * naturalLog(v.energySum) / naturalLog(10.0); });
  steps.let(v.result, [&] { return maskRounded(v.result, "######.##"); });
  steps.write(result, [&] { return plainText(v.result); });
  return {v, result.text};
}

}  // namespace tolvar::noise
