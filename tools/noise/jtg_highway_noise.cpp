#include "tools/noise/jtg_highway_noise.h"

#include <cmath>
#include <limits>

#include "framework/conversion.h"
#include "framework/number_format.h"

namespace tolvar::noise {
namespace {

constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();
constexpr const char* kLevelMask = "####.##";

// The model's constants per vehicle class (large, medium, small).
constexpr PerClass kOtherClassWeight = {0.70957, 0.8044, 1.2102};  // m
constexpr PerClass kSpeedK1 = {-0.0519, -0.057537, -0.061748};
constexpr PerClass kSpeedK2 = {149.39, 149.38, 149.65};
constexpr PerClass kSpeedK3 = {-0.000014202, -0.00001639, -0.000023696};
constexpr PerClass kEmissionA = {22, 8.8, 12.6};
constexpr PerClass kEmissionB = {36.32, 40.48, 34.73};

// Every value below is computed afresh from the texts; a text that is no number becomes NaN so
// that whatever depends on it shows as a value that cannot be computed.
double number(std::string_view text) {
  return parseDouble(text).value_or(kNoNumber);
}

// The decimal logarithm; lg 0 is −∞, so a class without traffic adds nothing to the total.
double lg(double x) {
  return std::log10(x);
}

std::string paddedColumn(std::string entry) {
  if (entry.size() < 5) entry.append(5 - entry.size(), ' ');
  return entry + "  ";
}

}  // namespace

double gradientCorrection(std::string_view gradientText) {
  double g = number(gradientText);
  if (g >= 4 && g <= 5) return 1;
  if (g >= 6 && g < 7) return 3;
  if (g >= 7) return 5;
  return 0;  // up to 3 %, between the steps of the table, or no number
}

JtgPrediction predictJtg(const JtgTrafficTexts& t, const JtgChoices& choices) {
  JtgPrediction p;
  const double laneFlow = number(t.laneFlow);
  const PerClass shares = {number(t.largeShare), number(t.mediumShare), number(t.smallShare)};
  const PerClass flows = {number(t.largeFlow), number(t.mediumFlow), number(t.smallFlow)};
  const PerClass typedSpeeds = {number(t.largeSpeed), number(t.mediumSpeed), number(t.smallSpeed)};
  const double designSpeed = number(t.designSpeed);
  const double width = number(t.laneWidth);
  const double attenuation = number(t.woodlandAttenuation) + number(t.buildingAttenuation);
  const double angleCorrection = 10 * lg(number(t.viewAngle) / 180);
  const double gradient = gradientCorrection(t.gradient);
  const double farLaneWidths = choices.road == RoadClass::dualSixLane ? 5.5 : 3.5;

  for (std::size_t i = 0; i < 3; ++i) {
    double& u = p.equivalentFlows[i];
    u = laneFlow * (shares[i] + kOtherClassWeight[i] * (1 - shares[i]));
    double formulaSpeed =
        kSpeedK1[i] * u + kSpeedK2[i] + 1 / (kSpeedK3[i] * u - kOtherClassWeight[i]);
    // Roads designed for less than 120 km/h run proportionally slower; an unreadable design
    // speed leaves the formula speed undecided.
    if (std::isnan(designSpeed)) {
      formulaSpeed = kNoNumber;
    } else if (designSpeed < 120) {
      formulaSpeed *= designSpeed / 120;
    }
    p.speeds[i] = choices.speeds == SpeedSource::typed ? typedSpeeds[i] : formulaSpeed;
    p.referenceLevels[i] = kEmissionA[i] + kEmissionB[i] * lg(p.speeds[i]);
  }
  // The gradient raises the large and medium classes only.
  p.referenceLevels[0] += gradient;
  p.referenceLevels[1] += gradient;
  const PerClass pavement = {0, 0, choices.pavement == Pavement::cement ? 2.0 : 0.0};

  for (std::size_t k = 0; k < kJtgReceptorDistances.size(); ++k) {
    const double r = kJtgReceptorDistances[k];
    const double equivalentDistance = std::sqrt((r + 0.5 * width) * (r + farLaneWidths * width));
    double energy = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      const double u = p.equivalentFlows[i];
      // The model's distance law depends on the class's equivalent flow: 10·lg below 300
      // vehicles an hour, 15·lg from 300 on.
      double distanceCorrection =
          std::isnan(u) ? kNoNumber : (u < 300 ? 10 : 15) * lg(7.5 / equivalentDistance);
      double level = p.referenceLevels[i] + 10 * lg(flows[i] / p.speeds[i]) + distanceCorrection -
                     16 + pavement[i] - attenuation;
      energy += std::pow(10, 0.1 * level);
    }
    p.levels[k] = 10 * lg(energy) + angleCorrection;
  }
  return p;
}

JtgReport jtgReport(const JtgTrafficTexts& t, const JtgChoices& choices) {
  const JtgPrediction p = predictJtg(t, choices);
  const std::string lf = "\n";
  std::string text;
  text += t.sectionName + "的参数输入情况：" + "单车道流量为：" + t.laneFlow + "辆/h；" +
          "大、中、小型车的比例为：" + t.largeShare + "：" + t.mediumShare + "：" + t.smallShare +
          "；" + "大、中、小型车的流量分别为为：" + t.largeFlow + "辆/h、" + t.mediumFlow +
          "辆/h、" + t.smallFlow + "辆/h。" + "车道宽度为：" + t.laneWidth + "米；" +
          "以上参与计算的各参数正确吗?如果不正确，请重新修改对应的参数后，重新计算！" + lf + lf;
  text += t.sectionName + "交通噪声预测结果：" + lf + lf;
  text += "预测点距公路的距离(米)：";
  for (int distance : kJtgReceptorDistances) text += paddedColumn(std::to_string(distance));
  text += lf;
  text += "预测点的预测结果值(dB)：";
  for (double level : p.levels) text += paddedColumn(maskedText(level, kLevelMask));
  text += lf + lf;
  text += "其它相关的参数预测情况：" + lf + lf;
  text += "各种车型在参照点处平均辐射声级：";
  text += "大型车：" + maskedText(p.referenceLevels[0], kLevelMask) + "dB；";
  text += "中型车：" + maskedText(p.referenceLevels[1], kLevelMask) + "dB；";
  text += "小型车：" + maskedText(p.referenceLevels[2], kLevelMask) + "dB；" + lf + lf;
  text += "公路交通噪声预测模式适用范围：" + lf + lf;
  text +=
      "1 公路交通噪声预测模式适用于双向六车道及以下的高速公路、一级公路和二级公路，"
      "其他公路可做参考；" +
      lf + "2 预测点在距噪声等效行车线7.5m 以远处；" + lf +
      "3 车辆平均行驶速度在48～140km/h 之间。";

  bool zeroSpeed = false;
  if (choices.speeds == SpeedSource::typed) {
    for (const std::string* speed : {&t.largeSpeed, &t.mediumSpeed, &t.smallSpeed}) {
      if (parseDouble(*speed) == 0.0) zeroSpeed = true;
    }
  }
  return {text, zeroSpeed};
}

}  // namespace tolvar::noise
