#include "tools/distance/distance_search.h"

#include <cmath>
#include <cstdint>

#include "framework/conversion.h"
#include "tools/distance/trial_distances.h"

namespace tolvar::distance {

float relationGap(const Relation& relation, float distance) {
  const Coefficients& k = relation.coefficients;
  const double l = distance;
  const double r = relation.radius;
  float x1 = toSingle(std::pow(l, static_cast<double>(k.c)) * static_cast<double>(k.b));
  float x2 = toSingle(r * r * 0.25);
  float x3 = toSingle(static_cast<double>(x1) + static_cast<double>(x2));
  float x4 = toSingle(static_cast<double>(relation.inverseA) * std::sqrt(static_cast<double>(x3)));
  float y = toSingle(std::pow(l, static_cast<double>(k.d)) * static_cast<double>(x4));
  return toSingle(static_cast<double>(y) - static_cast<double>(relation.ratio));
}

// The gap never decreases from one step to the next: every operation of the relation is
// monotone, and one step of L moves L^C and L^D by far more than pow's rounding error. So the
// first step above the band's lower edge, found by bisection, is where the stepped search
// stops if it stops at all.
std::optional<float> searchDistance(const Relation& relation) {
  const TrialDistances trials;
  auto reachesBand = [&](std::int64_t step) {
    return relationGap(relation, trials.at(step)) > -kGapTolerance;
  };
  std::int64_t below = 0;
  std::int64_t reached = trials.lastStep();
  if (!reachesBand(reached)) return std::nullopt;
  while (reached - below > 1) {
    std::int64_t middle = below + (reached - below) / 2;
    if (reachesBand(middle)) {
      reached = middle;
    } else {
      below = middle;
    }
  }
  float distance = trials.at(reached);
  if (relationGap(relation, distance) < kGapTolerance) return distance;
  return std::nullopt;
}

}  // namespace tolvar::distance
