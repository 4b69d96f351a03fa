#pragma once

#include <string>
#include <string_view>

namespace tolvar::storage {

// The small-diameter adjustment factor C as its field shows it, from the diameter field's text;
// empty when the diameter is not a number, the current text when the formula cannot be
// evaluated.
std::string adjustmentFactorText(std::string_view diameterText, std::string currentText);

// The turnover factor KN as its field shows it, from the turnovers per year; a turnover text
// that is not a number takes the first rule.
std::string turnoverFactorText(std::string_view turnoverText, std::string currentText);

struct TankLossInputs {
  double molecularWeight = 0.0;    // M of the vapour
  double vapourPressure = 0.0;     // P, true vapour pressure of the bulk liquid, Pa
  double diameter = 0.0;           // D, m
  double vapourSpaceHeight = 0.0;  // H, mean height of the vapour space, m
  double temperatureRange = 0.0;   // ΔT, mean daily range, °C
  double paintFactor = 0.0;        // FP
  double adjustmentFactor = 0.0;   // C
  double productFactor = 0.0;      // KC
  double turnoverFactor = 0.0;     // KN
};

struct TankLosses {
  bool hasZeroInput = false;
  std::string breathingText;  // LB, kg/a; empty when its formula cannot be evaluated
  std::string workingText;    // LW, kg per m³ of throughput; likewise
};

TankLosses tankLosses(const TankLossInputs& in);

}  // namespace tolvar::storage
