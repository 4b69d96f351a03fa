#pragma once

#include <array>
#include <string>
#include <variant>

namespace tolvar::noise {

// The field texts of the JTJ 005-96 traffic noise window that the model reads. The prediction
// time is shown but takes no part.
struct JtjTrafficTexts {
  std::string year;
  std::string largeDayFlow;
  std::string mediumDayFlow;
  std::string smallDayFlow;
  std::string gradient;  // β, as a fraction (0.04 for 4 %)
  std::string largeNightFlow;
  std::string mediumNightFlow;
  std::string smallNightFlow;
  std::string laneWidth;
  std::string woodlandAttenuation;
  std::string buildingAttenuation;
  std::string sectionName;
  std::string viewAngle;
};

// What the ground and pavement options set.
struct JtjSurface {
  double groundConstant = 1.0;      // K1: hard 0.9, ordinary soil 1.0, grass 1.1
  double pavementCorrection = 0.0;  // dB: asphalt 0, cement 2
};

struct JtjReceptor {
  double distance;         // r0, m from the road's outer edge
  double headwayConstant;  // K2
};

inline constexpr std::array<JtjReceptor, 11> kJtjReceptors = {{
    {20, 0.17},
    {30, 0.617},
    {40, 0.716},
    {50, 0.78},
    {60, 0.806},
    {70, 0.833},
    {80, 0.84},
    {100, 0.855},
    {140, 0.88},
    {160, 0.885},
    {250, 0.89},
}};

// Per vehicle class, in the order large, medium, small.
using JtjPerClass = std::array<double, 3>;

struct JtjPrediction {
  JtjPerClass daySpeeds{};            // km/h; night speeds are 0.8 of these
  JtjPerClass dayHeadways{};          // m between vehicles of one class
  std::array<float, 11> dayLevels{};  // dB at kJtjReceptors, single precision as stored
  std::array<float, 11> nightLevels{};
};

// Why a prediction could not be made, in words for the user that name the field.
struct JtjFailure {
  std::string message;
};

std::variant<JtjPrediction, JtjFailure> predictJtj(const JtjTrafficTexts& texts,
                                                   const JtjSurface& surface);

// The report of the day and night levels under its centred title, or why there is none.
std::variant<std::string, JtjFailure> jtjReport(const JtjTrafficTexts& texts,
                                                const JtjSurface& surface);

}  // namespace tolvar::noise
