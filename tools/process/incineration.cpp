#include "tools/process/incineration.h"

#include <algorithm>
#include <array>

#include "framework/steps.h"
#include "tools/process/factor_tables.h"

namespace tolvar::process {
namespace {

const FactorTable& incineratorFactors() {
  return emissionFactorTable("焚烧炉");
}

const FactorTable& openBurningFactors() {
  return emissionFactorTable("露天焚烧");
}

// The two furnace types whose emission the window also prints on its background.
constexpr std::array<std::string_view, 2> kDrawnFurnaces = {"商业系统单室炉", "家用焚烧炉"};

}  // namespace

const std::vector<std::string>& incineratorTypes() {
  return incineratorFactors().rows;
}

const std::vector<std::string>& refuseTypes() {
  return openBurningFactors().columns;
}

const std::vector<std::string>& openBurningPollutants() {
  return openBurningFactors().rows;
}

Incineration incineration(const IncinerationTexts& texts, float previous) {
  Incineration outcome{previous, false};
  float& q = outcome.emission;
  Steps steps;
  if (texts.mode == kIncinerator) {
    if (std::optional<double> factor = incineratorFactors().factor(texts.furnace)) {
      steps.let(q, [&] {
        return (100.0 - strictDouble(texts.efficiency)) * (strictDouble(texts.quantity) * *factor) /
               100.0;
      });
    } else {
      steps.let(q, [] { return 0.0; });
    }
    outcome.drawsEmission = std::find(kDrawnFurnaces.begin(), kDrawnFurnaces.end(),
                                      texts.furnace) != kDrawnFurnaces.end();
  } else if (texts.mode == kOpenBurning && std::find(refuseTypes().begin(), refuseTypes().end(),
                                                     texts.refuse) != refuseTypes().end()) {
    if (std::optional<double> factor = openBurningFactors().factor(texts.pollutant, texts.refuse)) {
      steps.let(q, [&] { return strictDouble(texts.quantity) * *factor; });
    } else {
      steps.let(q, [] { return 0.0; });
    }
  }
  return outcome;
}

}  // namespace tolvar::process
