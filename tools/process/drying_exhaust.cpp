#include "tools/process/drying_exhaust.h"

#include "framework/steps.h"

namespace tolvar::process {

DryingExhaustValues dryingExhaust(const DryingExhaustTexts& texts,
                                  const DryingExhaustValues& previous) {
  DryingExhaustValues v = previous;
  Steps steps;
  steps.let(v.dryRatio, [&] {
    return (100.0 - strictDouble(texts.moistureBefore)) /
           (100.0 - strictDouble(texts.moistureAfter));
  });
  steps.let(v.evaporatedShare, [&] { return 1.0 - v.dryRatio; });
  steps.let(v.vapour, [&] { return strictDouble(texts.wetWeight) * v.evaporatedShare; });
  return v;
}

}  // namespace tolvar::process
