#include "tools/distance/trial_distances.h"

#include <algorithm>
#include <cmath>

#include "framework/conversion.h"

namespace tolvar::distance {
namespace {

// Keeps a run's steps this far below the next power of two, where the increment changes.
constexpr double kMarginBelowPowerOfTwo = 0.02;

double nextPowerOfTwo(float distance) {
  return std::ldexp(1.0, std::ilogb(distance) + 1);
}

}  // namespace

float nextTrialDistance(float distance) {
  return toSingle(static_cast<double>(distance) + 0.01);
}

TrialDistances::TrialDistances() {
  std::int64_t step = 0;
  float distance = 0.0f;
  for (;;) {
    float next = nextTrialDistance(distance);
    if (next == distance) break;
    double increment = static_cast<double>(next) - static_cast<double>(distance);
    std::int64_t length = 1;
    if (distance > 0.0f) {
      double room = nextPowerOfTwo(distance) - kMarginBelowPowerOfTwo - distance;
      length = std::max<std::int64_t>(1, static_cast<std::int64_t>(room / increment));
    }
    runs_.push_back({step, distance, increment});
    step += length;
    distance =
        static_cast<float>(static_cast<double>(distance) + static_cast<double>(length) * increment);
  }
  runs_.push_back({step, distance, 0.0});
}

float TrialDistances::at(std::int64_t step) const {
  auto after = std::upper_bound(runs_.begin(), runs_.end(), step,
                                [](std::int64_t s, const Run& run) { return s < run.firstStep; });
  const Run& run = *std::prev(after);
  return static_cast<float>(run.firstDistance +
                            static_cast<double>(step - run.firstStep) * run.increment);
}

}  // namespace tolvar::distance
