#include "tools/noise/jtg_highway_noise.h"

#include <gtest/gtest.h>

#include <cmath>

#include "framework/number_format.h"

namespace tolvar::noise {
namespace {

template <typename Member>
JtgTrafficTexts with(JtgTrafficTexts texts, Member member, std::string text) {
  texts.*member = std::move(text);
  return texts;
}

const JtgTrafficTexts kOpening{.sectionName = "XXX高等级公路",
                               .laneFlow = "800",
                               .largeShare = "0.3",
                               .mediumShare = "0.4",
                               .smallShare = "0.3",
                               .laneWidth = "15",
                               .woodlandAttenuation = "1",
                               .buildingAttenuation = "2.5",
                               .viewAngle = "150",
                               .gradient = "4.5",
                               .largeFlow = "300",
                               .mediumFlow = "400",
                               .smallFlow = "500",
                               .largeSpeed = "80",
                               .mediumSpeed = "90",
                               .smallSpeed = "110",
                               .designSpeed = "100"};

constexpr JtgChoices kTyped{};
constexpr JtgChoices kFormula{.speeds = SpeedSource::formula};

// The report with the default texts; only its two numeric lines depend on the model.
std::string reportWith(const std::string& levelsRow, const std::string& referenceLevels) {
  return "XXX高等级公路的参数输入情况：单车道流量为：800辆/"
         "h；大、中、小型车的比例为：0.3：0.4：0.3；"
         "大、中、小型车的流量分别为为：300辆/h、400辆/h、500辆/h。车道宽度为：15米；"
         "以上参与计算的各参数正确吗?如果不正确，请重新修改对应的参数后，重新计算！\n\n"
         "XXX高等级公路交通噪声预测结果：\n\n"
         "预测点距公路的距离(米)：0      20     40     60     80     100    120    140    160    "
         "180    200    \n"
         "预测点的预测结果值(dB)：" +
         levelsRow +
         "\n\n"
         "其它相关的参数预测情况：\n\n"
         "各种车型在参照点处平均辐射声级：" +
         referenceLevels +
         "\n\n"
         "公路交通噪声预测模式适用范围：\n\n"
         "1 公路交通噪声预测模式适用于双向六车道及以下的高速公路、一级公路和二级公路，其他公路可做"
         "参考；\n"
         "2 预测点在距噪声等效行车线7.5m 以远处；\n"
         "3 车辆平均行驶速度在48～140km/h 之间。";
}

TEST(JtgHighwayNoise, WorkedCasesGiveTheWholeReport) {
  struct Case {
    const char* what;
    JtgTrafficTexts texts;
    JtgChoices choices;
    const char* levelsRow;
    const char* referenceLevels;
  };
  const Case cases[] = {
      {"typed speeds, six lanes, asphalt", kOpening, kTyped,
       "72.14  67.2   64.84  63.21  61.93  60.89  59.99  59.21  58.51  57.89  57.32  ",
       "大型车：92.12dB；中型车：88.91dB；小型车：83.5dB；"},
      {"formula speeds", kOpening, kFormula,
       "73.25  68.31  65.95  64.31  63.04  61.99  61.09  60.31  59.62  58.99  58.42  ",
       "大型车：94.96dB；中型车：88.83dB；小型车：78.08dB；"},
      {"formula speeds, four lanes, cement", kOpening,
       JtgChoices{SpeedSource::formula, RoadClass::dualFourLane, Pavement::cement},
       "74.79  69.51  66.94  65.16  63.78  62.65  61.69  60.86  60.12  59.46  58.86  ",
       "大型车：94.96dB；中型车：88.83dB；小型车：78.08dB；"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    JtgReport report = jtgReport(c.texts, c.choices);
    EXPECT_EQ(report.text, reportWith(c.levelsRow, c.referenceLevels));
    EXPECT_FALSE(report.zeroSpeedMessageDue);
  }
}

TEST(JtgHighwayNoise, EquivalentFlowsAndFormulaSpeeds) {
  JtgPrediction p = predictJtg(kOpening, kFormula);
  EXPECT_EQ(plainText(p.equivalentFlows[0]), "637.3592");
  EXPECT_EQ(plainText(p.equivalentFlows[1]), "706.112");
  EXPECT_EQ(plainText(p.equivalentFlows[2]), "917.712");
  EXPECT_EQ(maskedText(p.speeds[0], "###.##"), "95.77");
  EXPECT_EQ(maskedText(p.speeds[1], "###.##"), "89.61");
  EXPECT_EQ(maskedText(p.speeds[2], "###.##"), "76.81");

  // From 120 km/h on the formula speeds are not scaled down.
  using T = JtgTrafficTexts;
  for (const char* designSpeed : {"120", "150"}) {
    JtgPrediction fast = predictJtg(with(kOpening, &T::designSpeed, designSpeed), kFormula);
    EXPECT_DOUBLE_EQ(fast.speeds[0], p.speeds[0] * 120 / 100);
    EXPECT_DOUBLE_EQ(fast.speeds[2], p.speeds[2] * 120 / 100);
  }
  JtgPrediction slower = predictJtg(with(kOpening, &T::designSpeed, "119"), kFormula);
  EXPECT_DOUBLE_EQ(slower.speeds[1], p.speeds[1] * 119 / 100);
}

TEST(JtgHighwayNoise, GradientCorrectionSteps) {
  const std::pair<const char*, double> cases[] = {
      {"-2", 0}, {"3", 0},   {"3.5", 0}, {"4", 1}, {"4.5", 1}, {"5", 1}, {"5.5", 0},
      {"6", 3},  {"6.5", 3}, {"7", 5},   {"9", 5}, {"abc", 0}, {"", 0},
  };
  for (const auto& [gradient, correction] : cases) {
    SCOPED_TRACE(gradient);
    EXPECT_EQ(gradientCorrection(gradient), correction);
  }
  // Only the large and medium classes climb slower and louder.
  using T = JtgTrafficTexts;
  JtgPrediction flat = predictJtg(with(kOpening, &T::gradient, "3"), kTyped);
  JtgPrediction steep = predictJtg(with(kOpening, &T::gradient, "7"), kTyped);
  EXPECT_DOUBLE_EQ(steep.referenceLevels[0] - flat.referenceLevels[0], 5);
  EXPECT_DOUBLE_EQ(steep.referenceLevels[1] - flat.referenceLevels[1], 5);
  EXPECT_DOUBLE_EQ(steep.referenceLevels[2], flat.referenceLevels[2]);
}

TEST(JtgHighwayNoise, ViewAngleOfTheRoadSection) {
  using T = JtgTrafficTexts;
  JtgPrediction whole = predictJtg(with(kOpening, &T::viewAngle, "180"), kTyped);
  JtgPrediction half = predictJtg(with(kOpening, &T::viewAngle, "90"), kTyped);
  for (std::size_t k = 0; k < whole.levels.size(); ++k) {
    EXPECT_EQ(maskedText(whole.levels[k] - half.levels[k], "#.##"), "3.01");
  }
  JtgPrediction opening = predictJtg(kOpening, kTyped);
  EXPECT_NEAR(whole.levels[0] - opening.levels[0], -10 * std::log10(150.0 / 180), 1e-12);
}

TEST(JtgHighwayNoise, ZeroSpeedMessageOnlyForATypedZero) {
  using T = JtgTrafficTexts;
  const std::tuple<const char*, JtgTrafficTexts, JtgChoices, bool> cases[] = {
      {"typed 0", with(kOpening, &T::mediumSpeed, "0"), kTyped, true},
      {"typed 0.0 with blanks", with(kOpening, &T::smallSpeed, " 0.0 "), kTyped, true},
      {"formula mode ignores typed zeros", with(kOpening, &T::largeSpeed, "0"), kFormula, false},
      {"a speed that is no number", with(kOpening, &T::largeSpeed, "abc"), kTyped, false},
      {"an empty speed", with(kOpening, &T::largeSpeed, ""), kTyped, false},
  };
  for (const auto& [what, texts, choices, due] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(jtgReport(texts, choices).zeroSpeedMessageDue, due);
  }
}

// Each level that depends on a text that is no number, or on a zero speed, has no digits; the
// others are still computed.
TEST(JtgHighwayNoise, LevelsThatCannotBeComputedShowTheNoNumberMarker) {
  using T = JtgTrafficTexts;
  const std::string nanRow = [] {
    std::string row;
    for (int i = 0; i < 11; ++i) row += "NaN    ";
    return row;
  }();
  const std::pair<const char*, JtgTrafficTexts> unreadable[] = {
      {"zero speed", with(kOpening, &T::largeSpeed, "0")},
      {"speed no number", with(kOpening, &T::smallSpeed, "abc")},
      {"lane flow no number", with(kOpening, &T::laneFlow, "")},
      {"share no number", with(kOpening, &T::mediumShare, "0,4x")},
      {"lane width no number", with(kOpening, &T::laneWidth, "宽")},
      {"attenuation no number", with(kOpening, &T::woodlandAttenuation, "")},
      {"angle no number", with(kOpening, &T::viewAngle, "")},
      {"negative angle", with(kOpening, &T::viewAngle, "-150")},
  };
  for (const auto& [what, texts] : unreadable) {
    SCOPED_TRACE(what);
    EXPECT_NE(jtgReport(texts, kTyped).text.find("(dB)：" + nanRow + "\n"), std::string::npos);
  }

  JtgReport zeroSpeed = jtgReport(with(kOpening, &T::largeSpeed, "0"), kTyped);
  EXPECT_NE(zeroSpeed.text.find("大型车：-InfdB；中型车：88.91dB；小型车：83.5dB；"),
            std::string::npos);
  // In formula mode the typed speeds and an unreadable lane flow for the typed mode do not count.
  EXPECT_EQ(jtgReport(with(kOpening, &T::largeSpeed, "abc"), kFormula).text,
            jtgReport(kOpening, kFormula).text);
  EXPECT_NE(jtgReport(with(kOpening, &T::designSpeed, "快"), kFormula).text.find(nanRow),
            std::string::npos);
  EXPECT_EQ(jtgReport(with(kOpening, &T::designSpeed, "快"), kTyped).text,
            jtgReport(kOpening, kTyped).text);
}

TEST(JtgHighwayNoise, AClassWithoutTrafficAddsNothing) {
  using T = JtgTrafficTexts;
  JtgPrediction withoutLarge = predictJtg(with(kOpening, &T::largeFlow, "0"), kTyped);
  JtgPrediction opening = predictJtg(kOpening, kTyped);
  for (std::size_t k = 0; k < opening.levels.size(); ++k) {
    EXPECT_TRUE(std::isfinite(withoutLarge.levels[k]));
    EXPECT_LT(withoutLarge.levels[k], opening.levels[k]);
  }
  // A section out of sight (angle 0) receives no sound at all.
  EXPECT_EQ(maskedText(predictJtg(with(kOpening, &T::viewAngle, "0"), kTyped).levels[3], "#.##"),
            "-Inf");
}

TEST(JtgHighwayNoise, LongLevelsAreNotCutToTheColumn) {
  using T = JtgTrafficTexts;
  std::string text = jtgReport(with(kOpening, &T::largeFlow, "3e6"), kTyped).text;
  EXPECT_NE(text.find("(dB)：109.76  104.82  102.46  "), std::string::npos) << text;
}

}  // namespace
}  // namespace tolvar::noise
