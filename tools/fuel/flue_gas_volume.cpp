#include "tools/fuel/flue_gas_volume.h"

#include <array>
#include <utility>

#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::fuel {
namespace {

constexpr std::array<std::pair<std::string_view, FuelType>, 4> kFuelTypes = {{
    {"固体燃料", FuelType::solid},
    {"液体燃料", FuelType::liquid},
    {"气体燃料", FuelType::gas},
    {"天燃气", FuelType::naturalGas},
}};

// kJ in 1000 kcal: the empirical formulas were written for heating values in 1000 kcal.
constexpr double kThousandKcal = 4187.0;

// Heating values (kJ) from which the gas formulas take their rows for richer gases.
constexpr float kRichGasHeatingValue = 12561.0f;
constexpr double kRichNaturalGasHeatingValue = 34543.0;

// A field text that a failing step leaves unwritten.
struct OptionalText {
  std::optional<std::string>* text;
  void setText(std::string value) const { *text = std::move(value); }
};

// V0 is stored first, and Vy is formed from the stored single-precision V0.
void computeVolumes(FuelType fuel, FlueGasValues& v, Steps& steps) {
  const double q = v.heatingValue;
  const double alpha0 = v.excessAir;
  auto surplusAir = [&] {
    return alpha0 + static_cast<double>(v.airLeakage) - 1.0;
  };
  auto v0 = [&] {
    return static_cast<double>(v.theoreticalAir);
  };
  switch (fuel) {
    case FuelType::solid:
      steps.let(v.theoreticalAir, [&] { return q * 1.01 / kThousandKcal + 0.5; });
      steps.let(v.flueGas, [&] { return (q * 0.89 / kThousandKcal + 1.65) + surplusAir() * v0(); });
      return;
    case FuelType::liquid:
      steps.let(v.theoreticalAir, [&] { return q * 0.85 / kThousandKcal + 2.0; });
      steps.let(v.flueGas, [&] { return q * 1.11 / kThousandKcal + surplusAir() * v0(); });
      return;
    case FuelType::gas:
      if (v.heatingValue < kRichGasHeatingValue) {
        steps.let(v.theoreticalAir, [&] { return q * 0.875 / kThousandKcal; });
        steps.let(v.flueGas,
                  [&] { return (q * 0.725 / kThousandKcal + 1.0) + surplusAir() * v0(); });
      } else {
        steps.let(v.theoreticalAir, [&] { return q * 1.09 / kThousandKcal - 0.25; });
        steps.let(v.flueGas,
                  [&] { return (q * 1.14 / kThousandKcal + 0.25) + surplusAir() * v0(); });
      }
      return;
    case FuelType::naturalGas:
      // Natural gas is reckoned without air leakage.
      steps.let(v.theoreticalAir, [&] { return q * 1.105 / kThousandKcal + 0.02; });
      steps.let(v.airLeakage, [] { return 0.0f; });
      if (q < kRichNaturalGasHeatingValue) {
        steps.let(v.flueGas, [&] { return alpha0 * v0() + 1.0; });
      } else {
        steps.let(v.flueGas, [&] { return (q * 0.075 / kThousandKcal + 0.38) + alpha0 * v0(); });
      }
      return;
  }
}

}  // namespace

std::optional<FuelType> fuelTypeNamed(std::string_view text) {
  for (const auto& [item, type] : kFuelTypes) {
    if (item == text) return type;
  }
  return std::nullopt;
}

FlueGasVolume flueGasVolume(const FlueGasTexts& texts, const FlueGasValues& previous) {
  FlueGasVolume out{previous, std::nullopt, false, {}, std::nullopt};
  FlueGasValues& v = out.values;
  Steps steps;
  steps.let(v.heatingValue, [&] { return strictSingle(texts.heatingValue); });
  steps.let(v.excessAir, [&] { return strictSingle(texts.excessAir); });
  steps.let(v.airLeakage, [&] { return strictSingle(texts.airLeakage); });

  if (std::optional<FuelType> fuel = fuelTypeNamed(texts.fuelType)) {
    out.airLeakageCleared = *fuel == FuelType::naturalGas;
    computeVolumes(*fuel, v, steps);
  } else {
    out.message = std::string(kNoFuelTypeMessage);
  }

  out.perKilogramText = plainText(v.flueGas);
  steps.write(OptionalText{&out.perTonneText},
              [&] { return plainText(toSingle(static_cast<double>(v.flueGas) * 1000.0)); });
  return out;
}

}  // namespace tolvar::fuel
