#include "tools/noise/jtj_highway_noise.h"

#include <gtest/gtest.h>

#include <cmath>

#include "framework/number_format.h"

namespace tolvar::noise {
namespace {

using T = JtjTrafficTexts;

JtjTrafficTexts with(JtjTrafficTexts texts, std::string T::*member, std::string text) {
  texts.*member = std::move(text);
  return texts;
}

const JtjTrafficTexts kOpening{.year = "2003",
                               .largeDayFlow = "50",
                               .mediumDayFlow = "220",
                               .smallDayFlow = "200",
                               .gradient = "0.04",
                               .largeNightFlow = "30",
                               .mediumNightFlow = "120",
                               .smallNightFlow = "120",
                               .laneWidth = "15",
                               .woodlandAttenuation = "0",
                               .buildingAttenuation = "0",
                               .sectionName = "XXX高速公路",
                               .viewAngle = "150"};

constexpr JtjSurface kSoilAsphalt{};

std::string reportOf(const JtjTrafficTexts& texts, const JtjSurface& surface = kSoilAsphalt) {
  auto report = jtjReport(texts, surface);
  if (auto* failure = std::get_if<JtjFailure>(&report)) return "failed: " + failure->message;
  return std::get<std::string>(report);
}

std::string failureOf(const JtjTrafficTexts& texts) {
  auto report = jtjReport(texts, kSoilAsphalt);
  auto* failure = std::get_if<JtjFailure>(&report);
  return failure ? failure->message : "no failure";
}

TEST(JtjHighwayNoise, SpeedsAndHeadwaysFromTheDayFlows) {
  auto p = std::get<JtjPrediction>(predictJtj(kOpening, kSoilAsphalt));
  EXPECT_EQ(maskedText(p.daySpeeds[2], "0.00"), "101.42");
  EXPECT_EQ(maskedText(p.daySpeeds[1], "0.000"), "82.626");
  EXPECT_EQ(maskedText(p.daySpeeds[0], "0.0"), "66.1");
  EXPECT_EQ(maskedText(p.dayHeadways[2], "0.0"), "507.1");
  EXPECT_EQ(maskedText(p.dayHeadways[1], "0.0"), "375.6");
  EXPECT_EQ(maskedText(p.dayHeadways[0], "0"), "1322");

  // Fewer than 100 small vehicles a day hour count as 100.
  for (const char* fewer : {"50", "0", "-20"}) {
    SCOPED_TRACE(fewer);
    EXPECT_EQ(reportOf(with(kOpening, &T::smallDayFlow, fewer)),
              reportOf(with(kOpening, &T::smallDayFlow, "100")));
  }
}

TEST(JtjHighwayNoise, WholeReports) {
  const std::tuple<const char*, JtjTrafficTexts, JtjSurface, std::string> cases[] = {
      {"defaults", kOpening, kSoilAsphalt,
       "                                XXX高速公路有限长路段 2003年预测结果\n"
       "  预测点距公路位置：20.00  30.00  40.00  50.00  60.00  70.00  80.00  100.00  140.00  "
       "160.00  250.00  \n"
       "  预测点昼间预测值：81.55  73.44  70.63  68.42  67.01  65.63  64.74  63.11  60.39  54.61  "
       "50.06  \n"
       "  预测点夜间预测值：75.74  67.64  64.82  62.62  61.21  59.82  58.94  57.30  54.59  50.47  "
       "46.43  "},
      {"grass and cement", kOpening, JtjSurface{.groundConstant = 1.1, .pavementCorrection = 2},
       "                                XXX高速公路有限长路段 2003年预测结果\n"
       "  预测点距公路位置：20.00  30.00  40.00  50.00  60.00  70.00  80.00  100.00  140.00  "
       "160.00  250.00  \n"
       "  预测点昼间预测值：83.28  74.37  71.27  68.85  67.29  65.77  64.80  63.00  60.01  54.13  "
       "49.26  \n"
       "  预测点夜间预测值：77.48  68.56  65.47  63.04  61.49  59.97  58.99  57.20  54.21  49.99  "
       "45.63  "},
      // 1,000 dB and more: the day entries outgrow their distances and push both rows right;
      // the longer row centres the name further in (139 / 2 − 2 = 67.5 rounds to the even 68).
      {"wide levels",
       with(with(kOpening, &T::buildingAttenuation, "-1000"), &T::sectionName, "路段"),
       kSoilAsphalt,
       std::string(68, ' ') +
           "路段有限长路段 2003年预测结果\n"
           "  预测点距公路位置：20.00  30.00  40.00  50.00  60.00  70.00  80.00  100.00  140.00  "
           "160.00  250.00  \n"
           "  预测点昼间预测值：   1,081.55     1,073.44     1,070.63     1,068.42     1,067.01  "
           "   1,065.63     1,064.74    1,063.11    1,060.39    1,054.61    1,050.06  \n"
           "  预测点夜间预测值：   1,075.74     1,067.64     1,064.82     1,062.62     1,061.21  "
           "   1,059.82     1,058.94    1,057.30    1,054.59    1,050.47    1,046.43  "},
      {"negative year", with(kOpening, &T::year, "-5"), kSoilAsphalt, ""},
  };
  for (const auto& [what, texts, surface, expected] : cases) {
    SCOPED_TRACE(what);
    std::string report = reportOf(texts, surface);
    if (expected.empty()) {
      EXPECT_NE(report.find("有限长路段-5年预测结果\n"), std::string::npos) << report;
    } else {
      EXPECT_EQ(report, expected);
    }
  }
}

TEST(JtjHighwayNoise, SurfaceOptions) {
  auto soil = std::get<JtjPrediction>(predictJtj(kOpening, kSoilAsphalt));
  auto cement = std::get<JtjPrediction>(
      predictJtj(kOpening, JtjSurface{.groundConstant = 1.0, .pavementCorrection = 2}));
  for (std::size_t k = 0; k < kJtjReceptors.size(); ++k) {
    EXPECT_NEAR(cement.dayLevels[k] - soil.dayLevels[k], 2, 1e-4);
    EXPECT_NEAR(cement.nightLevels[k] - soil.nightLevels[k], 2, 1e-4);
  }
  // Up to 140 m every class is in the near field, where grass attenuates a tenth more than
  // ordinary soil and hard ground a tenth less.
  auto hard = std::get<JtjPrediction>(predictJtj(kOpening, JtjSurface{.groundConstant = 0.9}));
  auto grass = std::get<JtjPrediction>(predictJtj(kOpening, JtjSurface{.groundConstant = 1.1}));
  for (std::size_t k = 0; k < 9; ++k) {
    auto [distance, k2] = kJtjReceptors[k];
    double r = std::sqrt((distance + 7.5) * (distance + 52.5));
    double soilAttenuation = 20 * k2 * std::log10(r / 7.5);
    EXPECT_NEAR(soil.dayLevels[k] - grass.dayLevels[k], 0.1 * soilAttenuation, 1e-3);
    EXPECT_NEAR(hard.nightLevels[k] - soil.nightLevels[k], 0.1 * soilAttenuation, 1e-3);
  }
}

TEST(JtjHighwayNoise, FailuresNameTheFieldAndTheProblem) {
  const std::pair<JtjTrafficTexts, const char*> cases[] = {
      {with(kOpening, &T::year, "二〇〇三"), "预测年份“二〇〇三”不是有效的数值，请重新输入！"},
      {with(kOpening, &T::largeDayFlow, ""), "大型车昼流量“”不是有效的数值，请重新输入！"},
      {with(kOpening, &T::gradient, "4%"), "纵坡坡度“4%”不是有效的数值，请重新输入！"},
      {with(kOpening, &T::laneWidth, "abc"), "车道宽度“abc”不是有效的数值，请重新输入！"},
      {with(kOpening, &T::mediumDayFlow, "0"), "中型车昼流量必须大于0，请重新输入！"},
      {with(kOpening, &T::largeNightFlow, "0"), "大型车夜流量必须大于0，请重新输入！"},
      {with(kOpening, &T::smallNightFlow, "-5"), "小型车夜流量必须大于0，请重新输入！"},
      {with(kOpening, &T::viewAngle, "-150"),
       "预测点向公路两端视线间的夹角必须大于0，请重新输入！"},
      {with(kOpening, &T::laneWidth, "-10"),
       "车道宽度为-10时，距公路20米的预测点等效距离无法计算，请重新输入！"},
      {with(kOpening, &T::sectionName, std::string(40, 'X')),
       "预测路段名称太长，报告标题无法居中，请缩短预测路段名称！"},
      {with(kOpening, &T::woodlandAttenuation, "-1e308"),
       "输入的车流量、衰减量或纵坡坡度超出了可计算的范围，请检查后重新输入！"},
  };
  for (const auto& [texts, message] : cases) {
    SCOPED_TRACE(message);
    EXPECT_EQ(failureOf(texts), message);
  }
  // 38.5 − 39 rounds to −0: no blank before the name, but no failure either.
  EXPECT_EQ(reportOf(with(kOpening, &T::sectionName, std::string(39, 'X'))).substr(0, 1), "X");
}

}  // namespace
}  // namespace tolvar::noise
