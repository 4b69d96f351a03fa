#pragma once

#include <cstdint>
#include <vector>

namespace tolvar::distance {

// One step of the search: L + 0.01 with the double 0.01, the sum rounded to single precision.
float nextTrialDistance(float distance);

// The trial distances of the stepped search, L after each step from L = 0, as single-precision
// accumulation gives them. Inside one binary order of magnitude every step adds the same rounded
// increment, so the whole sequence is a few dozen arithmetic runs and any step's distance
// is found without replaying the steps before it.
class TrialDistances {
 public:
  TrialDistances();

  float at(std::int64_t step) const;
  // From this step on L + 0.01 rounds back to L (at 262144 m), so L no longer grows.
  std::int64_t lastStep() const { return runs_.back().firstStep; }

 private:
  struct Run {
    std::int64_t firstStep;
    double firstDistance;
    double increment;
  };
  std::vector<Run> runs_;
};

}  // namespace tolvar::distance
