#include "tools/water/sludge.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::water {
namespace {

const SewageSludgeTexts kSewageOpening{.population = "20000",
                                       .gritCoefficient = "0.009",
                                       .primaryCoefficient = "0.02",
                                       .humusCoefficient = "0.018",
                                       .moisture = "0"};

template <typename Texts>
Texts with(Texts texts, std::string Texts::*member, std::string text) {
  texts.*member = std::move(text);
  return texts;
}

TEST(SewageSludge, DryAndWetSludgeInSinglePrecision) {
  SewageSludge opening = sewageSludge(kSewageOpening, {});
  EXPECT_EQ(plainText(opening.values.coefficientSum), "0.047");
  EXPECT_EQ(opening.dryText, "0.9399999");
  EXPECT_EQ(opening.wetText, "0.9399999");

  using T = SewageSludgeTexts;
  struct Case {
    const char* what;
    SewageSludgeTexts texts;
    const char* dry;
    const char* wet;
  };
  const Case cases[] = {
      {"80 % moisture", with(kSewageOpening, &T::moisture, "80"), "0.9399999", "4.7"},
      {"biofilter sludge", with(kSewageOpening, &T::humusCoefficient, "0.045"), "1.48", "1.48"},
      {"all water", with(kSewageOpening, &T::moisture, "100"), "0.9399999", "Inf"},
      {"no sludge and all water",
       with(with(kSewageOpening, &T::moisture, "100"), &T::population, "0"), "0", "NaN"},
      {"more than all water", with(kSewageOpening, &T::moisture, "150"), "0.9399999", "-1.88"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SewageSludge sludge = sewageSludge(c.texts, {});
    EXPECT_EQ(sludge.dryText, c.dry);
    EXPECT_EQ(sludge.wetText, c.wet);
  }

  SewageSludge empty = sewageSludge({}, {});
  EXPECT_EQ(empty.dryText, "0");
  EXPECT_EQ(empty.wetText, "0");
}

TEST(SewageSludge, UnreadableTextsKeepThePreviousPressValues) {
  const SewageSludgeValues previous =
      sewageSludge(with(kSewageOpening, &SewageSludgeTexts::moisture, "80"), {}).values;
  using T = SewageSludgeTexts;
  struct Case {
    const char* what;
    SewageSludgeTexts texts;
    const char* dry;
    const char* wet;
  };
  const Case cases[] = {
      {"moisture unreadable keeps the wet sludge", with(kSewageOpening, &T::moisture, ""),
       "0.9399999", "4.7"},
      {"population unreadable keeps the dry sludge",
       with(with(kSewageOpening, &T::population, "2万"), &T::moisture, "50"), "0.9399999", "1.88"},
      {"a coefficient unreadable keeps that coefficient",
       with(with(kSewageOpening, &T::gritCoefficient, ""), &T::population, "40000"), "1.88",
       "1.88"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SewageSludge sludge = sewageSludge(c.texts, previous);
    EXPECT_EQ(sludge.dryText, c.dry);
    EXPECT_EQ(sludge.wetText, c.wet);
  }
}

const SettlingTankTexts kSettlingOpening{
    .flow = "1500", .solidsIn = "30", .solidsOut = "20", .moisture = "10", .sludgeDensity = "300"};

TEST(SettlingTankSludge, VolumeWithUnreadableInputsAsZero) {
  using T = SettlingTankTexts;
  const SettlingTankTexts industrial{.flow = "1000",
                                     .solidsIn = "0.3",
                                     .solidsOut = "0.03",
                                     .moisture = "97",
                                     .sludgeDensity = "1"};
  const std::pair<SettlingTankTexts, const char*> cases[] = {
      {kSettlingOpening, "0.05555556"},
      {industrial, "9"},
      {with(kSettlingOpening, &T::flow, ""), "0"},
      {with(kSettlingOpening, &T::moisture, "ten"), "0.05"},
      {with(kSettlingOpening, &T::moisture, "100"), "Inf"},
      {with(kSettlingOpening, &T::sludgeDensity, "0"), "Inf"},
      {with(kSettlingOpening, &T::sludgeDensity, ""), "Inf"},
      {with(with(kSettlingOpening, &T::moisture, "100"), &T::solidsOut, "40"), "-Inf"},
      {with(with(kSettlingOpening, &T::moisture, "100"), &T::solidsOut, "30"), "NaN"},
  };
  for (const auto& [texts, expected] : cases) {
    SCOPED_TRACE(texts.flow + " " + texts.solidsOut + " " + texts.moisture + " " +
                 texts.sludgeDensity);
    EXPECT_EQ(settlingTankSludgeText(texts), expected);
  }
}

}  // namespace
}  // namespace tolvar::water
