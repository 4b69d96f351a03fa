#include "tools/process/foundry_particulates.h"

#include "framework/steps.h"

namespace tolvar::process {

const std::array<const FactorTable*, kFoundryIndustries>& foundryIndustries() {
  static const std::array<const FactorTable*, kFoundryIndustries> industries = {
      &emissionFactorTable("铝件铸造业"), &emissionFactorTable("黄铜和青铜溶炼业"),
      &emissionFactorTable("铸造生铁业"), &emissionFactorTable("化铅炉"),
      &emissionFactorTable("铸钢工业"),   &emissionFactorTable("锌加工业"),
  };
  return industries;
}

FoundryParticulates foundryParticulates(
    const std::array<FoundryChoice, kFoundryIndustries>& choices, std::string_view quantity,
    float previous) {
  FoundryParticulates outcome{previous, {}};
  Steps steps;
  for (std::size_t i = 0; i < kFoundryIndustries; ++i) {
    const FactorTable& industry = *foundryIndustries()[i];
    const FoundryChoice& choice = choices[i];
    if (!industry.hasRow(choice.furnace)) continue;
    std::optional<double> factor = industry.factor(choice.furnace, choice.facility);
    if (!factor) {
      outcome.messages.emplace_back(kNoStatisticalData);
      continue;
    }
    steps.let(outcome.emission, [&] { return strictDouble(quantity) * *factor; });
  }
  return outcome;
}

}  // namespace tolvar::process
