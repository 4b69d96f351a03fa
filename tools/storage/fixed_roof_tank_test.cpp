#include "tools/storage/fixed_roof_tank.h"

#include <gtest/gtest.h>

#include <string_view>

#include "framework/embedded_data.h"

namespace tolvar::storage {
namespace {

TEST(FixedRoofTank, AdjustmentFactorFromTheDiameter) {
  const std::pair<const char*, const char*> cases[] = {
      {"5", ".8032"}, {"0", ".0037"}, {"8.5", ".9969"}, {"9", "1"},
      {"12", "1"},    {"-1", "-.23"}, {"", ""},         {"5m", ""},
  };
  for (const auto& [diameter, expected] : cases) {
    SCOPED_TRACE(diameter);
    EXPECT_EQ(adjustmentFactorText(diameter, "0.5"), expected);
  }
  EXPECT_EQ(adjustmentFactorText("-1e200", "0.5"), "0.5");
}

TEST(FixedRoofTank, TurnoverFactorFromTheTurnovers) {
  const std::pair<const char*, const char*> cases[] = {
      {"10", "1"},     {"36", "1"},     {"37", ".90705"}, {"100", ".45108"}, {"220", ".25922"},
      {"221", "0.26"}, {"1e6", "0.26"}, {"", "1"},        {"abc", "1"},      {"-5", "1"},
  };
  for (const auto& [turnovers, expected] : cases) {
    SCOPED_TRACE(turnovers);
    EXPECT_EQ(turnoverFactorText(turnovers, ""), expected);
  }
}

constexpr TankLossInputs kWideCrudeTank{.molecularWeight = 150,
                                        .vapourPressure = 10100,
                                        .diameter = 10,
                                        .vapourSpaceHeight = 0.3,
                                        .temperatureRange = 15,
                                        .paintFactor = 1.25,
                                        .adjustmentFactor = 1,
                                        .productFactor = 0.65,
                                        .turnoverFactor = 0.45108};

TankLossInputs with(double TankLossInputs::*member, double value) {
  TankLossInputs in = kWideCrudeTank;
  in.*member = value;
  return in;
}

TEST(FixedRoofTank, BreathingAndWorkingLosses) {
  struct Case {
    const char* what;
    TankLossInputs in;
    bool zero;
    const char* breathing;
    const char* working;
  };
  TankLossInputs smallTank = with(&TankLossInputs::diameter, 5);
  smallTank.adjustmentFactor = 0.8032;
  const Case cases[] = {
      {"wide crude-oil tank", kWideCrudeTank, false, "513.959073", ".186031"},
      {"small tank", smallTank, false, "124.442963", ".186031"},
      {"no paint factor", with(&TankLossInputs::paintFactor, 0), true, ".", ".186031"},
      {"no turnover factor", with(&TankLossInputs::turnoverFactor, 0), true, "513.959073", "."},
      {"no vapour pressure", with(&TankLossInputs::vapourPressure, 0), true, ".", "."},
      {"vapour pressure at the reference", with(&TankLossInputs::vapourPressure, 100910), false, "",
       "1.858656"},
      {"vapour pressure above the reference", with(&TankLossInputs::vapourPressure, 101325), false,
       "", "1.8663"},
      {"negative vapour space", with(&TankLossInputs::vapourSpaceHeight, -0.3), false, "",
       ".186031"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TankLosses losses = tankLosses(c.in);
    EXPECT_EQ(losses.hasZeroInput, c.zero);
    EXPECT_EQ(losses.breathingText, c.breathing);
    EXPECT_EQ(losses.workingText, c.working);
  }
}

TEST(FixedRoofTank, EveryInputTakesPartInTheZeroCheck) {
  for (double TankLossInputs::*member :
       {&TankLossInputs::molecularWeight, &TankLossInputs::vapourPressure,
        &TankLossInputs::diameter, &TankLossInputs::vapourSpaceHeight,
        &TankLossInputs::temperatureRange, &TankLossInputs::paintFactor,
        &TankLossInputs::adjustmentFactor, &TankLossInputs::productFactor,
        &TankLossInputs::turnoverFactor}) {
    EXPECT_TRUE(tankLosses(with(member, 0)).hasZeroInput);
  }
}

TEST(FixedRoofTank, SourceTextOpensWithItsIntroductionAndCarriesBothFormulas) {
  std::string_view text = embeddedData("storage/fixed_roof_tank_source.html");
  EXPECT_TRUE(text.starts_with(
      "<p>这是一篇关于固定顶储罐储存有机液体时所产生的呼吸损耗的计算方法(依据美国的研究成果),"
      "特提供给大家参考,如有做化工类的或加油站(库)项目环评时可套用.</p>"));
  for (std::string_view part : {"2.排放量计算", "2.1  呼吸排放", "2.2工作排放",
                                "LB=0.191×M（P/（100910-P））^0.68×D^1.73×H^0.51×△T^0.45×FP×C×KC",
                                "LW=4.188×10^-7×M×P×KN×KC", "KN=11.467×K^-0.7026"}) {
    EXPECT_NE(text.find(part), std::string_view::npos) << part;
  }
}

}  // namespace
}  // namespace tolvar::storage
