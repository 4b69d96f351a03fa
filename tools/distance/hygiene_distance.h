#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/distance/distance_search.h"
#include "tools/distance/hygiene_coefficients.h"

namespace tolvar::distance {

inline constexpr std::string_view kChoiceRefused = "你的输入或选择有误，请检查你的输入或选择！";
inline constexpr std::string_view kNoDistanceFound =
    "找不到满足条件的卫生防护距离，请检查输入的数据！";
// The result field when no distance was found: blank, as at opening, so that no earlier
// distance stays on show.
inline constexpr std::string_view kNoDistanceText = " ";

// The window-level values of the hygiene distance window, all single precision: an input whose
// text does not convert keeps its value from the previous computation.
struct HygieneValues {
  float emission = 0.0f;            // Qc, kg/h
  float concentrationLimit = 0.0f;  // Cm, mg/m3
  float area = 0.0f;                // S, m2
  Relation relation;
};

struct HygieneInput {
  std::string emissionText;            // Text7
  std::string concentrationLimitText;  // Text1
  std::string areaText;                // Text8
  SiteChoices choices;
};

struct HygieneDistance {
  HygieneValues values;
  std::vector<std::string> messages;  // in the order they are shown
  std::string resultText;
};

// The compute button: a search with band-1 coefficients, repeated once with the coefficients
// of the band its result falls into when that lies above 1000 m.
HygieneDistance hygieneDistance(const HygieneInput& input, const HygieneValues& previous);

}  // namespace tolvar::distance
