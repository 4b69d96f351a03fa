#include "tools/fuel/boiler_ash_slag.h"

#include <cmath>

namespace tolvar::fuel {

AshAndSlag boilerAshAndSlag(double coal, double ash, double flueDustShare, double dustCombustibles,
                            double slagCombustibles, double dustRemoval) {
  // Tonnes of slag left on the grate and of fly ash caught by the collector.
  double slag = ((coal * ash) * (100.0 - flueDustShare)) / ((100.0 - slagCombustibles) * 100.0);
  double flyAsh = (((coal * ash) * flueDustShare) * dustRemoval) /
                  (((100.0 - dustCombustibles) * 100.0) * 100.0);
  return {std::floor(1000.0 * slag), std::floor(1000.0 * flyAsh),
          std::floor((slag + flyAsh) * 1000.0)};
}

}  // namespace tolvar::fuel
