#include "tools/water/sludge.h"

#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::water {
namespace {

double d(float value) {
  return static_cast<double>(value);
}

}  // namespace

SewageSludge sewageSludge(const SewageSludgeTexts& t, const SewageSludgeValues& previous) {
  SewageSludgeValues v = previous;
  Steps steps;
  steps.let(v.gritCoefficient, [&] { return strictSingle(t.gritCoefficient); });
  steps.let(v.primaryCoefficient, [&] { return strictSingle(t.primaryCoefficient); });
  steps.let(v.humusCoefficient, [&] { return strictSingle(t.humusCoefficient); });
  steps.let(v.coefficientSum,
            [&] { return d(v.gritCoefficient) + d(v.primaryCoefficient) + d(v.humusCoefficient); });
  steps.let(v.drySludge, [&] { return strictDouble(t.population) * d(v.coefficientSum) / 1000.0; });
  steps.let(v.wetSludge,
            [&] { return d(v.drySludge) * 100.0 / (100.0 - strictDouble(t.moisture)); });
  return {v, plainText(v.drySludge), plainText(v.wetSludge)};
}

std::string settlingTankSludgeText(const SettlingTankTexts& t) {
  float flow = 0.0f;
  float solidsIn = 0.0f;
  float solidsOut = 0.0f;
  float moisture = 0.0f;
  float density = 0.0f;
  float volume = 0.0f;
  Steps steps;
  steps.let(flow, [&] { return strictSingle(t.flow); });
  steps.let(solidsIn, [&] { return strictSingle(t.solidsIn); });
  steps.let(solidsOut, [&] { return strictSingle(t.solidsOut); });
  steps.let(moisture, [&] { return strictSingle(t.moisture); });
  steps.let(density, [&] { return strictSingle(t.sludgeDensity); });
  steps.let(volume, [&] {
    return d(flow) * 100.0 * (d(solidsIn) - d(solidsOut)) / (d(density) * (100.0 - d(moisture)));
  });
  // Tonnes of sludge per cubic metre against kilograms of solids: the 10³ of the formula.
  steps.let(volume, [&] { return d(volume) / 1000.0; });
  return plainText(volume);
}

}  // namespace tolvar::water
