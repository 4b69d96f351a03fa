#include "tools/fuel/coal_pollutants.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvar::fuel {
namespace {

// The window's default inputs: 300 t of coal, A 25, dfh 20, Cfh 30, η1 83.3, S 0.24, η2 90,
// η3 50, C 80, Q 3.
struct Coal {
  double coal = 300, ash = 25, flueDustShare = 20, combustibles = 30, dustRemoval = 83.3;
  double sulphur = 0.24, sulphurRemoval = 90, nitrogenConversion = 50, carbon = 80, incomplete = 3;
};

std::string smokeAndDust(const Coal& c) {
  return loadText(smokeAndDustLoad(c.coal, c.ash, c.flueDustShare, c.combustibles, c.dustRemoval),
                  kSmokeAndDustMask);
}
std::string sulphurDioxide(const Coal& c) {
  return loadText(sulphurDioxideLoad(c.coal, c.sulphur, c.sulphurRemoval), kSulphurDioxideMask);
}
std::string nitrogenOxides(const Coal& c) {
  return loadText(nitrogenOxidesLoad(c.coal, c.nitrogenConversion), kNitrogenOxidesMask);
}
std::string carbonMonoxide(const Coal& c) {
  return loadText(carbonMonoxideLoad(c.coal, c.carbon, c.incomplete), kCarbonMonoxideMask);
}

TEST(CoalPollutants, DefaultInputsGiveTheFourLoads) {
  EXPECT_EQ(smokeAndDust({}), "3578.57");
  EXPECT_EQ(sulphurDioxide({}), "115.2");
  EXPECT_EQ(nitrogenOxides({}), "4126.18");
  EXPECT_EQ(carbonMonoxide({}), "16776.");
}

TEST(CoalPollutants, SmokeAndDustCases) {
  struct Case {
    const char* what;
    Coal coal;
    const char* expected;
  };
  Coal full;
  full.dustRemoval = 100;
  Coal over;
  over.dustRemoval = 150;
  Coal allCombustible;
  allCombustible.combustibles = 100;
  Coal nothingLeft = allCombustible;
  nothingLeft.dustRemoval = 100;
  Coal noAsh;
  noAsh.ash = 0;
  Coal huge;
  huge.coal = 1e306;
  const Case cases[] = {
      {"a removal of 100 % leaves nothing", full, "."},
      {"a removal above 100 % keeps its minus sign", over, "-10714.29"},
      {"Cfh of 100 divides by zero", allCombustible, ""},
      {"zero over zero", nothingLeft, ""},
      {"no ash", noAsh, "."},
      {"beyond the double range", huge, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(smokeAndDust(c.coal), c.expected);
  }
}

TEST(CoalPollutants, SulphurRemovalIsAppliedToTheSulphurDioxide) {
  Coal none;
  none.sulphurRemoval = 0;
  EXPECT_EQ(sulphurDioxide(none), "1152.");
  Coal full;
  full.sulphurRemoval = 100;
  EXPECT_EQ(sulphurDioxide(full), ".");
}

TEST(CoalPollutants, NitrogenOxidesKeepTheFixedTermWithoutConversion) {
  Coal none;
  none.nitrogenConversion = 0;
  // 0.000938 × 300 × 1630
  EXPECT_EQ(nitrogenOxides(none), "458.68");
  Coal small;
  small.coal = 1;
  small.nitrogenConversion = 25;
  // (25 × 0.015 / 100 + 0.000938) × 1630 = 7.64307
  EXPECT_EQ(nitrogenOxides(small), "7.64");
}

TEST(CoalPollutants, ZeroCoalGivesZeroLoads) {
  Coal empty;
  empty.coal = 0;
  EXPECT_EQ(smokeAndDust(empty), ".");
  EXPECT_EQ(sulphurDioxide(empty), ".");
  EXPECT_EQ(nitrogenOxides(empty), ".");
  EXPECT_EQ(carbonMonoxide(empty), ".");
}

}  // namespace
}  // namespace tolvar::fuel
