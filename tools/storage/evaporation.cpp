#include "tools/storage/evaporation.h"

#include "framework/steps.h"
#include "tools/risk/checked_arithmetic.h"

namespace tolvar::storage {

float evaporatedSolvent(const EvaporationTexts& t, float previous) {
  float evaporated = previous;
  Steps steps;
  steps.let(evaporated, [&] {
    const double feed = strictDouble(t.feed);
    const double after = strictDouble(t.concentrationAfter);
    const double before = strictDouble(t.concentrationBefore);
    return risk::unfaultedSingle((after - before) * feed / after);
  });
  return evaporated;
}

}  // namespace tolvar::storage
