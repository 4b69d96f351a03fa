#include "tools/storage/fixed_roof_tank.h"

#include <array>
#include <optional>

#include "framework/conversion.h"
#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::storage {
namespace {

// Tanks at least this wide (m) need no small-diameter adjustment.
constexpr double kFullSizeDiameter = 9.0;
// The breathing formula's reference pressure, 100910 Pa rather than a standard atmosphere.
constexpr double kReferencePressure = 100910.0;

constexpr const char* kAdjustmentMask = "####.####";
constexpr const char* kTurnoverMask = "####.#####";
constexpr const char* kLossMask = "#########.######";

}  // namespace

std::string adjustmentFactorText(std::string_view diameterText, std::string currentText) {
  std::optional<double> diameter = parseDouble(diameterText);
  if (!diameter) return "";
  if (*diameter >= kFullSizeDiameter) return "1";
  TextSlot factor{std::move(currentText)};
  Steps steps;
  steps.write(factor, [&] {
    return maskedText(1.0 - 0.0123 * power(*diameter - kFullSizeDiameter, 2.0), kAdjustmentMask);
  });
  return factor.text;
}

std::string turnoverFactorText(std::string_view turnoverText, std::string currentText) {
  std::optional<double> turnovers = parseDouble(turnoverText);
  if (!turnovers || *turnovers <= 36.0) return "1";
  if (*turnovers > 220.0) return "0.26";
  TextSlot factor{std::move(currentText)};
  Steps steps;
  steps.write(factor,
              [&] { return maskedText(11.467 * power(*turnovers, -0.7026), kTurnoverMask); });
  return factor.text;
}

TankLosses tankLosses(const TankLossInputs& in) {
  const std::array<double, 9> all = {in.molecularWeight,   in.vapourPressure,   in.diameter,
                                     in.vapourSpaceHeight, in.temperatureRange, in.paintFactor,
                                     in.adjustmentFactor,  in.productFactor,    in.turnoverFactor};
  TankLosses out;
  for (double value : all) out.hasZeroInput = out.hasZeroInput || value == 0.0;

  TextSlot breathing;
  TextSlot working;
  Steps steps;
  steps.write(breathing, [&] {
    double loss = 0.191 * in.molecularWeight *
                  power(in.vapourPressure / (kReferencePressure - in.vapourPressure), 0.68) *
                  power(in.diameter, 1.73) * power(in.vapourSpaceHeight, 0.51) *
                  power(in.temperatureRange, 0.45) * in.paintFactor * in.adjustmentFactor *
                  in.productFactor;
    return maskedText(loss, kLossMask);
  });
  steps.write(working, [&] {
    double loss = power(10.0, -7.0) * 4.188 * in.molecularWeight * in.vapourPressure *
                  in.turnoverFactor * in.productFactor;
    return maskedText(loss, kLossMask);
  });
  out.breathingText = std::move(breathing.text);
  out.workingText = std::move(working.text);
  return out;
}

}  // namespace tolvar::storage
