#include "tools/risk/pool_evaporation.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::risk {
namespace {

template <typename Texts>
Texts with(Texts texts, std::string Texts::*member, std::string text) {
  texts.*member = std::move(text);
  return texts;
}

const FlashEvaporationTexts kFlashOpening{.releasedMass = "10",
                                          .duration = "30",
                                          .specificHeat = "1000",
                                          .liquidTemperature = "300",
                                          .boilingPoint = "80",
                                          .heatOfVaporisation = "5000"};

TEST(PoolEvaporation, FlashRate) {
  FlashEvaporation opening = flashEvaporation(kFlashOpening);
  EXPECT_EQ(opening.flashedFraction, 44.0f);
  EXPECT_EQ(plainText(opening.rate), "14.66667");

  using T = FlashEvaporationTexts;
  const std::pair<const char*, FlashEvaporationTexts> unreadable[] = {
      {"zero heat of vaporisation", with(kFlashOpening, &T::heatOfVaporisation, "0")},
      {"zero duration", with(kFlashOpening, &T::duration, "0")},
      {"empty mass", with(kFlashOpening, &T::releasedMass, "")},
      {"unreadable temperature", with(kFlashOpening, &T::liquidTemperature, "300K")},
  };
  for (const auto& [what, texts] : unreadable) {
    SCOPED_TRACE(what);
    EXPECT_EQ(plainText(flashEvaporation(texts).rate), "0");
  }
}

const HeatEvaporationTexts kHeatOpening{.ambientTemperature = "300",
                                        .boilingPoint = "275",
                                        .poolArea = "10",
                                        .heatOfVaporisation = "12000",
                                        .groundType = "",
                                        .duration = "20"};

TEST(PoolEvaporation, HeatRateByGroundType) {
  const std::pair<const char*, const char*> cases[] = {
      {"水泥地", "8.051499"}, {"土地", "3.608172"},   {"干土地", "1.644509"},
      {"湿地", "2.745827"},   {"砂砾地", "6.266465"},
  };
  ASSERT_EQ(groundTypes().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& [ground, expected] = cases[i];
    SCOPED_TRACE(ground);
    EXPECT_EQ(groundTypes()[i], ground);
    std::optional<float> rate =
        heatEvaporationRate(with(kHeatOpening, &HeatEvaporationTexts::groundType, ground));
    ASSERT_TRUE(rate);
    EXPECT_EQ(plainText(*rate), expected);
  }
}

TEST(PoolEvaporation, HeatRateWithoutGroundOrWithUnreadableInput) {
  using T = HeatEvaporationTexts;
  EXPECT_FALSE(heatEvaporationRate(kHeatOpening));
  EXPECT_FALSE(heatEvaporationRate(with(kHeatOpening, &T::groundType, "水泥")));
  HeatEvaporationTexts concrete = with(kHeatOpening, &T::groundType, "水泥地");
  EXPECT_EQ(heatEvaporationRate(with(concrete, &T::duration, "")), 0.0f);
  EXPECT_EQ(heatEvaporationRate(with(concrete, &T::duration, "-20")), 0.0f);
  EXPECT_EQ(heatEvaporationRate(with(concrete, &T::heatOfVaporisation, "0")), 0.0f);
}

const MassEvaporationTexts kMassOpening{.stabilityClass = "",
                                        .vapourPressure = "2000",
                                        .molecularWeight = "350",
                                        .windSpeed = "2",
                                        .poolRadius = "10",
                                        .ambientTemperature = "80"};

TEST(PoolEvaporation, MassRateByStabilityClass) {
  using T = MassEvaporationTexts;
  MassEvaporationTexts benzene = kMassOpening;
  benzene.molecularWeight = "78";
  benzene.ambientTemperature = "293";
  benzene.stabilityClass = "不稳定A,B";
  const std::pair<MassEvaporationTexts, const char*> cases[] = {
      {with(kMassOpening, &T::stabilityClass, "不稳定A,B"), "578.8893"},
      {with(kMassOpening, &T::stabilityClass, "中性C"), "654.5321"},
      {with(kMassOpening, &T::stabilityClass, "稳定E,F"), "687.5569"},
      {benzene, "35.22446"},
      {with(benzene, &T::windSpeed, "-2"), "0"},
      {with(benzene, &T::ambientTemperature, "0"), "0"},
      {with(benzene, &T::poolRadius, ""), "0"},
  };
  EXPECT_EQ(stabilityClasses(), (std::vector<std::string>{"不稳定A,B", "中性C", "稳定E,F"}));
  for (const auto& [texts, expected] : cases) {
    SCOPED_TRACE(texts.stabilityClass + " " + texts.molecularWeight + " " + texts.windSpeed);
    std::optional<float> rate = massEvaporationRate(texts);
    ASSERT_TRUE(rate);
    EXPECT_EQ(plainText(*rate), expected);
  }
  EXPECT_FALSE(massEvaporationRate(kMassOpening));
}

TEST(PoolEvaporation, TotalFromTheShownRatesInDoublePrecision) {
  const TotalEvaporationTexts shown{.flashRate = "14.66667",
                                    .flashDuration = "30",
                                    .heatRate = "8.051499",
                                    .heatDuration = "20",
                                    .massRate = "578.8893",
                                    .clearingTime = "600"};
  EXPECT_EQ(totalEvaporationText(shown), "347934.61008");
  using T = TotalEvaporationTexts;
  for (std::string T::*emptied : {&T::flashRate, &T::flashDuration, &T::heatRate, &T::heatDuration,
                                  &T::massRate, &T::clearingTime}) {
    EXPECT_EQ(totalEvaporationText(with(shown, emptied, "")), "");
  }
}

}  // namespace
}  // namespace tolvar::risk
