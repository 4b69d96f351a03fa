#include <benchmark/benchmark.h>

#include <cmath>

#include "tools/distance/distance_search.h"
#include "tools/distance/hygiene_distance.h"

namespace tolvar::distance {
namespace {

constexpr Coefficients kWindyBand1{530, 0.021f, 1.85f, 0.84f};
const SiteChoices kWindyWithStacks{"大于4", "有", "大于允许1/3", ""};

Relation relationFor(float qc, float cm, float area) {
  return {static_cast<float>(static_cast<double>(qc) / static_cast<double>(cm)),
          static_cast<float>(1.0 / static_cast<double>(kWindyBand1.a)),
          static_cast<float>(std::pow(static_cast<double>(area) / 3.14, 0.5)), kWindyBand1};
}

void searchOnce(benchmark::State& state, const Relation& relation) {
  for (auto _ : state) benchmark::DoNotOptimize(searchDistance(relation));
}

// The defaults: 29.16057 m after 2916 steps.
void BM_DefaultSearch(benchmark::State& state) {
  searchOnce(state, relationFor(0.005f, 0.03f, 200));
}
BENCHMARK(BM_DefaultSearch)->Unit(benchmark::kMicrosecond);

// A ratio that Y never reaches: the steps run all the way to 262144 m, where L stops growing.
void BM_SearchToTheLargestDistance(benchmark::State& state) {
  searchOnce(state, relationFor(1000000, 0.001f, 200));
}
BENCHMARK(BM_SearchToTheLargestDistance)->Unit(benchmark::kMicrosecond);

// Steps over the tolerance band, so it never ends either.
void BM_SearchSteppingOverTheBand(benchmark::State& state) {
  searchOnce(state, relationFor(450, 0.5f, 2000));
}
BENCHMARK(BM_SearchSteppingOverTheBand)->Unit(benchmark::kMicrosecond);

// The compute button for a result above 1000 m: two searches and the texts around them.
void BM_ComputeWithSecondBand(benchmark::State& state) {
  const HygieneInput input{"2", "0.03", "200", kWindyWithStacks};
  for (auto _ : state) benchmark::DoNotOptimize(hygieneDistance(input, {}));
}
BENCHMARK(BM_ComputeWithSecondBand)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tolvar::distance
