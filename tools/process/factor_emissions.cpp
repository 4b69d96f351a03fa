#include "tools/process/factor_emissions.h"

#include "framework/steps.h"
#include "tools/process/factor_tables.h"

namespace tolvar::process {
namespace {

const FactorTable& feedMillingFactors() {
  return emissionFactorTable("饲料及粮食加工");
}

float quantityTimes(std::string_view quantity, double factor, float previous) {
  float emission = previous;
  Steps steps;
  steps.let(emission, [&] { return strictDouble(quantity) * factor; });
  return emission;
}

}  // namespace

float feedMillingParticulates(std::string_view processing, std::string_view quantity,
                              float previous) {
  std::optional<double> factor = feedMillingFactors().factor(processing);
  return factor ? quantityTimes(quantity, *factor, previous) : 0.0f;
}

const std::vector<std::string>& feedMillingTypes() {
  return feedMillingFactors().rows;
}

float cottonGinDust(std::string_view quantity, float previous) {
  float dust = previous;
  Steps steps;
  steps.let(dust, [&] { return strictDouble(quantity) * 2.34 / 100.0; });
  return dust;
}

// The window's basis note quotes 7.84 kg per tonne of charge; the computation has always used
// 7.48.
float glassRawMaterialParticulates(std::string_view charge, float previous) {
  return quantityTimes(charge, 7.48, previous);
}

float glassMakingParticulates(std::string_view glass, float previous) {
  return quantityTimes(glass, 0.91, previous);
}

}  // namespace tolvar::process
