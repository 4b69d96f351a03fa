#include "tools/process/dolomite_kiln.h"

#include "framework/steps.h"

namespace tolvar::process {

DolomiteKilnValues dolomiteKilnExhaust(const DolomiteKilnTexts& texts,
                                       const DolomiteKilnValues& previous) {
  DolomiteKilnValues v = previous;
  Steps steps;
  steps.let(v.output, [&] { return strictSingle(texts.output); });
  steps.let(v.carbonPerTonne,
            [&] { return strictDouble(texts.carbon) * strictDouble(texts.fuelPerTonne) * 0.01; });
  // 400 and 560 m3 of CO2 per tonne of CaO and of MgO in the calcined dolomite.
  steps.let(v.calciumTerm, [&] { return strictDouble(texts.calciumOxide) * 400.0 * 0.01; });
  steps.let(v.magnesiumTerm, [&] { return strictDouble(texts.magnesiumOxide) * 560.0 * 0.01; });
  // 1.866 m3 of CO2 per kg of carbon burnt.
  steps.let(v.exhaust, [&] {
    double carbonDioxide = (double{v.magnesiumTerm} + v.calciumTerm) + v.carbonPerTonne * 1.866;
    return v.output * carbonDioxide * 100.0 / strictDouble(texts.carbonDioxide);
  });
  return v;
}

}  // namespace tolvar::process
