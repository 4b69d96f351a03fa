#pragma once

#include <optional>

#include "tools/distance/hygiene_coefficients.h"

namespace tolvar::distance {

// What the stepped search holds fixed while the trial distance grows; single precision, as the
// window keeps these values.
struct Relation {
  float ratio = 0.0f;     // Qc / Cm
  float inverseA = 0.0f;  // 1 / A
  float radius = 0.0f;    // equivalent radius of the production unit, (S / 3.14)^0.5
  Coefficients coefficients;
};

// The search ends once |gap| is below the single-precision 0.001.
inline constexpr float kGapTolerance = 0.001f;

// Y − Qc/Cm at the trial distance L, each intermediate term rounded to single precision as the
// stepped search stores it.
float relationGap(const Relation& relation, float distance);

// The first trial distance whose gap lies within the tolerance; nothing when the stepped search
// would never end: the gap stays below the band until L stops growing, or steps over it.
std::optional<float> searchDistance(const Relation& relation);

}  // namespace tolvar::distance
