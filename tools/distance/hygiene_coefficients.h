#pragma once

#include <string>

namespace tolvar::distance {

// The empirical coefficients of the dispersion relation, single precision as they are stored.
struct Coefficients {
  float a = 0.0f;
  float b = 0.0f;
  float c = 0.0f;
  float d = 0.0f;
};

// The texts of the four choice lists as they stand, chosen or typed.
struct SiteChoices {
  std::string windSpeed;           // Combo1
  std::string stacks;              // Combo4
  std::string stackEmission;       // Combo2, read when stacks are "有"
  std::string concentrationIndex;  // Combo3, read when stacks are "无"
};

struct CoefficientChoice {
  Coefficients coefficients;
  bool matched = false;  // false: no row fits the choices and the calm-wind row stands in
};

// Band 1 serves the first search; its result then picks band 2 above 1000 m, band 3 above 2000 m.
int distanceBand(float firstDistance);

CoefficientChoice selectCoefficients(const SiteChoices& choices, int band);

}  // namespace tolvar::distance
