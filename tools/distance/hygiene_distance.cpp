#include "tools/distance/hygiene_distance.h"

#include <optional>

#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::distance {

HygieneDistance hygieneDistance(const HygieneInput& input, const HygieneValues& previous) {
  HygieneValues v = previous;
  std::vector<std::string> messages;

  auto selectBand = [&](int band) {
    CoefficientChoice choice = selectCoefficients(input.choices, band);
    if (!choice.matched) messages.emplace_back(kChoiceRefused);
    v.relation.coefficients = choice.coefficients;
  };
  auto search = [&] {
    Steps steps;
    steps.let(v.concentrationLimit, [&] { return strictSingle(input.concentrationLimitText); });
    steps.let(v.emission, [&] { return strictSingle(input.emissionText); });
    steps.let(v.area, [&] { return strictSingle(input.areaText); });
    steps.let(v.relation.ratio, [&] {
      return static_cast<double>(v.emission) / static_cast<double>(v.concentrationLimit);
    });
    steps.let(v.relation.inverseA,
              [&] { return 1.0 / static_cast<double>(v.relation.coefficients.a); });
    // The equivalent radius of a circle of the unit's area, with π taken as 3.14.
    steps.let(v.relation.radius, [&] { return power(static_cast<double>(v.area) / 3.14, 0.5); });
    return searchDistance(v.relation);
  };

  selectBand(1);
  std::optional<float> distance = search();
  if (distance) {
    int band = distanceBand(*distance);
    if (band > 1) {
      selectBand(band);
      distance = search();
    }
  }
  if (!distance) {
    messages.emplace_back(kNoDistanceFound);
    return {v, messages, std::string(kNoDistanceText)};
  }
  return {v, messages, plainText(*distance)};
}

}  // namespace tolvar::distance
