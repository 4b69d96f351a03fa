#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tolvar::noise {

enum class SpeedSource { typed, formula };
enum class RoadClass { dualSixLane, dualFourLane };
enum class Pavement { asphalt, cement };

// The field texts of the JTG B03-2006 traffic noise window, as typed. The prediction time is
// left out: it is shown to the user but takes no part in the model.
struct JtgTrafficTexts {
  std::string sectionName;
  std::string laneFlow;  // N, vehicles per hour on one lane
  std::string largeShare;
  std::string mediumShare;
  std::string smallShare;
  std::string laneWidth;  // W, m
  std::string woodlandAttenuation;
  std::string buildingAttenuation;
  std::string viewAngle;  // θ, degrees
  std::string gradient;   // G, %
  std::string largeFlow;
  std::string mediumFlow;
  std::string smallFlow;
  std::string largeSpeed;
  std::string mediumSpeed;
  std::string smallSpeed;
  std::string designSpeed;
};

struct JtgChoices {
  SpeedSource speeds = SpeedSource::typed;
  RoadClass road = RoadClass::dualSixLane;
  Pavement pavement = Pavement::asphalt;
};

// Per vehicle class, in the order large, medium, small.
using PerClass = std::array<double, 3>;

inline constexpr std::array<int, 11> kJtgReceptorDistances = {0,   20,  40,  60,  80, 100,
                                                              120, 140, 160, 180, 200};

// A value that cannot be computed from the texts is NaN (or an infinity where the arithmetic
// gives one), never a number carried over from elsewhere.
struct JtgPrediction {
  PerClass equivalentFlows{};
  PerClass speeds{};                // km/h, typed or from the speed formula
  PerClass referenceLevels{};       // L0 at the reference point, gradient correction included
  std::array<double, 11> levels{};  // Leq at kJtgReceptorDistances, dB
};

struct JtgReport {
  std::string text;
  bool zeroSpeedMessageDue = false;
};

// The level correction for a longitudinal gradient G in %; a gradient that is no number is
// taken as a flat road.
double gradientCorrection(std::string_view gradientText);

JtgPrediction predictJtg(const JtgTrafficTexts& texts, const JtgChoices& choices);

// The report of one press of "刷新结果": the parameters, the eleven levels, the reference levels
// and the model's range of validity.
JtgReport jtgReport(const JtgTrafficTexts& texts, const JtgChoices& choices);

}  // namespace tolvar::noise
