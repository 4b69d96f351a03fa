#include "tools/distance/hygiene_coefficients.h"

#include <array>
#include <string_view>

namespace tolvar::distance {
namespace {

struct Row {
  std::string_view windSpeed;
  std::string_view stacks;
  std::string_view thirdList;  // the emission list's text with stacks, the index list's without
  std::array<Coefficients, 3> bands;
};

// Tested in this order; the first row whose three texts match is taken.
constexpr std::array<Row, 8> kRows = {{
    {"大于4",
     "有",
     "大于允许1/3",
     {{{530, 0.021f, 1.85f, 0.84f}, {530, 0.036f, 1.77f, 0.84f}, {290, 0.036f, 1.77f, 0.76f}}}},
    {"大于4",
     "有",
     "小于允许1/3",
     {{{350, 0.021f, 1.85f, 0.84f}, {350, 0.036f, 1.77f, 0.84f}, {190, 0.036f, 1.77f, 0.76f}}}},
    {"大于4",
     "无",
     "急性指标",
     {{{350, 0.021f, 1.85f, 0.84f}, {350, 0.036f, 1.77f, 0.84f}, {190, 0.036f, 1.77f, 0.76f}}}},
    {"大于4",
     "无",
     "慢性指标",
     {{{260, 0.021f, 1.85f, 0.84f}, {260, 0.036f, 1.77f, 0.84f}, {140, 0.036f, 1.77f, 0.76f}}}},
    {"大于2小于4",
     "有",
     "大于允许1/3",
     {{{700, 0.021f, 1.85f, 0.84f}, {700, 0.036f, 1.77f, 0.84f}, {380, 0.036f, 1.77f, 0.76f}}}},
    {"大于2小于4",
     "有",
     "小于允许1/3",
     {{{470, 0.021f, 1.85f, 0.84f}, {470, 0.036f, 1.77f, 0.84f}, {250, 0.036f, 1.77f, 0.76f}}}},
    {"大于2小于4",
     "无",
     "急性指标",
     {{{470, 0.021f, 1.85f, 0.84f}, {470, 0.036f, 1.77f, 0.84f}, {250, 0.036f, 1.77f, 0.76f}}}},
    {"大于2小于4",
     "无",
     "慢性指标",
     {{{350, 0.021f, 1.85f, 0.84f}, {350, 0.036f, 1.77f, 0.84f}, {190, 0.036f, 1.77f, 0.76f}}}},
}};

// Under calm wind the stacks and the index do not matter.
constexpr std::string_view kCalmWind = "小于2";
constexpr std::array<Coefficients, 3> kCalmWindBands = {
    {{400, 0.01f, 1.85f, 0.78f}, {400, 0.015f, 1.79f, 0.78f}, {80, 0.015f, 1.79f, 0.57f}}};

}  // namespace

int distanceBand(float firstDistance) {
  if (firstDistance > 2000.0f) return 3;
  if (firstDistance > 1000.0f) return 2;
  return 1;
}

CoefficientChoice selectCoefficients(const SiteChoices& choices, int band) {
  const auto index = static_cast<std::size_t>(band - 1);
  const std::string& thirdList =
      choices.stacks == "有" ? choices.stackEmission : choices.concentrationIndex;
  for (const Row& row : kRows) {
    if (row.windSpeed == choices.windSpeed && row.stacks == choices.stacks &&
        row.thirdList == thirdList) {
      return {row.bands.at(index), true};
    }
  }
  return {kCalmWindBands.at(index), choices.windSpeed == kCalmWind};
}

}  // namespace tolvar::distance
