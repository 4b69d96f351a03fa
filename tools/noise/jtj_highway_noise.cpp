#include "tools/noise/jtj_highway_noise.h"

#include <cmath>
#include <optional>
#include <stdexcept>

#include "framework/conversion.h"
#include "framework/number_format.h"
#include "framework/utf8.h"

namespace tolvar::noise {
namespace {

constexpr const char* kReportMask = "###,##0.00";

// The model takes fewer than 100 small vehicles a day hour as 100, for speed, headway and level.
constexpr double kLeastSmallDayFlow = 100;

struct Failed {
  std::string message;
};

using T = JtjTrafficTexts;

struct NumericField {
  std::string T::*text;
  const char* label;  // as the window names the field
};

// In the order of the window, so that the first unreadable field the user meets is reported.
constexpr std::array<NumericField, 12> kNumericFields = {{
    {&T::year, "预测年份"},
    {&T::largeDayFlow, "大型车昼流量"},
    {&T::mediumDayFlow, "中型车昼流量"},
    {&T::smallDayFlow, "小型车昼流量"},
    {&T::gradient, "纵坡坡度"},
    {&T::largeNightFlow, "大型车夜流量"},
    {&T::mediumNightFlow, "中型车夜流量"},
    {&T::smallNightFlow, "小型车夜流量"},
    {&T::laneWidth, "车道宽度"},
    {&T::woodlandAttenuation, "树林衰减量"},
    {&T::buildingAttenuation, "建筑物衰减量"},
    {&T::viewAngle, "预测点向公路两端视线间的夹角"},
}};

double numberOf(const JtjTrafficTexts& texts, const NumericField& field) {
  const std::string& text = texts.*field.text;
  if (auto value = parseDouble(text)) return *value;
  throw Failed{std::string(field.label) + "“" + text + "”不是有效的数值，请重新输入！"};
}

double positive(const JtjTrafficTexts& texts, const NumericField& field) {
  double value = numberOf(texts, field);
  if (!(value > 0)) throw Failed{std::string(field.label) + "必须大于0，请重新输入！"};
  return value;
}

const NumericField& fieldOf(std::string T::*text) {
  for (const NumericField& field : kNumericFields) {
    if (field.text == text) return field;
  }
  throw std::logic_error("not a numeric field");
}

double lg(double x) {
  return std::log10(x);
}

// Sound energy adds up over the three classes; the finite section sees θ of 180 degrees.
float periodLevel(const JtjPerClass& levels, double angle) {
  double energy = 0;
  for (double level : levels) energy += std::pow(10, 0.1 * level);
  return toSingle(10 * lg(energy) + 10 * lg(angle / 180));
}

JtjPrediction predict(const JtjTrafficTexts& texts, const JtjSurface& surface) {
  for (const NumericField& field : kNumericFields) numberOf(texts, field);
  const JtjPerClass dayFlows = {
      positive(texts, fieldOf(&T::largeDayFlow)), positive(texts, fieldOf(&T::mediumDayFlow)),
      std::max(numberOf(texts, fieldOf(&T::smallDayFlow)), kLeastSmallDayFlow)};
  const JtjPerClass nightFlows = {positive(texts, fieldOf(&T::largeNightFlow)),
                                  positive(texts, fieldOf(&T::mediumNightFlow)),
                                  positive(texts, fieldOf(&T::smallNightFlow))};
  const double angle = positive(texts, fieldOf(&T::viewAngle));
  const double beta = numberOf(texts, fieldOf(&T::gradient));
  const double width = numberOf(texts, fieldOf(&T::laneWidth));
  const double attenuation = numberOf(texts, fieldOf(&T::woodlandAttenuation)) +
                             numberOf(texts, fieldOf(&T::buildingAttenuation));

  JtjPrediction p;
  const double mediumSpeed = 212 * std::pow(dayFlows[1], -0.1747);
  p.daySpeeds = {0.8 * mediumSpeed, mediumSpeed, 237 * std::pow(dayFlows[2], -0.1602)};
  JtjPerClass nightSpeeds{};
  JtjPerClass nightHeadways{};
  for (std::size_t i = 0; i < 3; ++i) {
    nightSpeeds[i] = 0.8 * p.daySpeeds[i];
    p.dayHeadways[i] = 1000 * p.daySpeeds[i] / dayFlows[i];
    nightHeadways[i] = 1000 * nightSpeeds[i] / nightFlows[i];
  }
  auto emission = [](std::size_t vehicleClass, double speed) {
    constexpr JtjPerClass base = {77.2, 62.6, 59.3};
    constexpr JtjPerClass perKmH = {0.18, 0.32, 0.23};
    return base[vehicleClass] + perKmH[vehicleClass] * speed;
  };
  const JtjPerClass gradientCorrection = {98 * beta, 73 * beta, 50 * beta};

  for (std::size_t k = 0; k < kJtjReceptors.size(); ++k) {
    // Plain names rather than a structured binding, which older compilers cannot capture.
    const double distance = kJtjReceptors[k].distance;
    const double k2 = kJtjReceptors[k].headwayConstant;
    const double r = std::sqrt((distance + 0.5 * width) * (distance + 3.5 * width));
    if (!(r > 0)) {
      throw Failed{"车道宽度为" + texts.laneWidth + "时，距公路" + maskedText(distance, "0") +
                   "米的预测点等效距离无法计算，请重新输入！"};
    }
    // Within half its day headway a class is attenuated by the near-field law, the same by day
    // and night; beyond it by the far-field rule, with the headway of the period computed.
    auto distanceAttenuation = [&](std::size_t i, double headway) {
      if (r < 0.5 * p.dayHeadways[i]) return 20 * surface.groundConstant * k2 * lg(r / 7.5);
      return 20 * surface.groundConstant *
             (k2 * lg(0.5 * headway / 7) + lg(std::sqrt((r / 0.5) * headway)));
    };
    JtjPerClass day{};
    JtjPerClass night{};
    for (std::size_t i = 0; i < 3; ++i) {
      const double common = -13 + gradientCorrection[i] + surface.pavementCorrection - attenuation;
      day[i] = emission(i, p.daySpeeds[i]) + 10 * lg(dayFlows[i] / p.daySpeeds[i]) -
               distanceAttenuation(i, p.dayHeadways[i]) + common;
      night[i] = emission(i, nightSpeeds[i]) + 10 * lg(nightFlows[i] / nightSpeeds[i]) -
                 distanceAttenuation(i, nightHeadways[i]) + common;
    }
    p.dayLevels[k] = periodLevel(day, angle);
    p.nightLevels[k] = periodLevel(night, angle);
    if (!std::isfinite(p.dayLevels[k]) || !std::isfinite(p.nightLevels[k])) {
      throw Failed{"输入的车流量、衰减量或纵坡坡度超出了可计算的范围，请检查后重新输入！"};
    }
  }
  return p;
}

std::string blanks(std::size_t count) {
  return std::string(count, ' ');
}

}  // namespace

std::variant<JtjPrediction, JtjFailure> predictJtj(const JtjTrafficTexts& texts,
                                                   const JtjSurface& surface) {
  try {
    return predict(texts, surface);
  } catch (const Failed& failure) {
    return JtjFailure{failure.message};
  }
}

std::variant<std::string, JtjFailure> jtjReport(const JtjTrafficTexts& texts,
                                                const JtjSurface& surface) {
  auto outcome = predictJtj(texts, surface);
  if (auto* failure = std::get_if<JtjFailure>(&outcome)) return *failure;
  const JtjPrediction& p = std::get<JtjPrediction>(outcome);

  std::string distanceRow, dayRow, nightRow;
  for (std::size_t k = 0; k < kJtjReceptors.size(); ++k) {
    std::string distance = maskedText(kJtjReceptors[k].distance, kReportMask);
    std::string day = maskedText(p.dayLevels[k], kReportMask);
    std::string night = maskedText(p.nightLevels[k], kReportMask);
    // A day level wider than its distance pushes both levels right by the difference.
    std::string shift = blanks(day.size() > distance.size() ? day.size() - distance.size() : 0);
    distanceRow += distance + "  ";
    dayRow += shift + day + "  ";
    nightRow += shift + night + "  ";
  }

  // Half-way cases go to the even neighbour, as the default rounding mode does.
  double centring = std::nearbyint(static_cast<double>(utf8::characterCount(dayRow)) / 2 -
                                   static_cast<double>(utf8::characterCount(texts.sectionName)));
  if (centring < 0) {
    return JtjFailure{"预测路段名称太长，报告标题无法居中，请缩短预测路段名称！"};
  }
  double year = *parseDouble(texts.year);
  // Built by appending: GCC 12 at -O3 misreads a const char* + std::string as overlapping.
  std::string yearText = year >= 0 ? " " : "";
  yearText += plainText(year);

  return blanks(static_cast<std::size_t>(centring)) + texts.sectionName + "有限长路段" + yearText +
         "年预测结果" + "\n" + "  预测点距公路位置：" + distanceRow + "\n" +
         "  预测点昼间预测值：" + dayRow + "\n" + "  预测点夜间预测值：" + nightRow;
}

}  // namespace tolvar::noise
