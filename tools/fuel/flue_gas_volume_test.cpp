#include "tools/fuel/flue_gas_volume.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::fuel {
namespace {

TEST(FlueGasVolume, FormulaSetsByFuelType) {
  struct Case {
    const char* what;
    FlueGasTexts texts;
    const char* theoreticalAir;
    const char* perKilogram;
    const char* perTonne;
  };
  const Case cases[] = {
      {"solid fuel", {"固体燃料", "20934", "1.3", "0.3"}, "5.549759", "9.429643", "9429.643"},
      {"liquid fuel", {"液体燃料", "20934", "1.3", "0.3"}, "6.249797", "9.299613", "9299.613"},
      {"lean gas", {"气体燃料", "10000", "1.3", "0.3"}, "2.089802", "3.985431", "3985.431"},
      {"gas just below 12561",
       {"气体燃料", "12560", "1.3", "0.3"},
       "2.624791",
       "4.749701",
       "4749.702"},
      {"gas at 12561 takes the rich row",
       {"气体燃料", "12561", "1.3", "0.3"},
       "3.02",
       "5.482",
       "5482"},
      {"natural gas", {"天燃气", "35588", "1.3", "0.3"}, "9.412105", "13.25321", "13253.21"},
      {"natural gas at 34543 takes the rich row",
       {"天燃气", "34543", "1.3", ""},
       "9.136316",
       "12.87597",
       "12875.96"},
      {"natural gas just below 34543",
       {"天燃气", "34542", "1.3", ""},
       "9.136052",
       "12.87687",
       "12876.87"},
      {"empty inputs count as 0", {"固体燃料", "", "", ""}, "0.5", "1.15", "1150"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FlueGasVolume out = flueGasVolume(c.texts, {});
    EXPECT_FALSE(out.message);
    EXPECT_EQ(plainText(out.values.theoreticalAir), c.theoreticalAir);
    EXPECT_EQ(out.perKilogramText, c.perKilogram);
    EXPECT_EQ(out.perTonneText, c.perTonne);
  }
}

TEST(FlueGasVolume, NaturalGasClearsTheAirLeakage) {
  FlueGasVolume natural = flueGasVolume({"天燃气", "35588", "1.3", "0.3"}, {});
  EXPECT_TRUE(natural.airLeakageCleared);
  EXPECT_EQ(natural.values.airLeakage, 0.0f);
  FlueGasVolume solid = flueGasVolume({"固体燃料", "20934", "1.3", "0.3"}, {});
  EXPECT_FALSE(solid.airLeakageCleared);
  EXPECT_EQ(solid.values.airLeakage, 0.3f);
}

TEST(FlueGasVolume, AnUnknownFuelTypeKeepsTheLastVolumes) {
  FlueGasVolume fresh = flueGasVolume({"", "20934", "1.3", "0.3"}, {});
  EXPECT_EQ(fresh.message, "请选择燃料类型!");
  EXPECT_EQ(fresh.perKilogramText, "0");
  EXPECT_EQ(fresh.perTonneText, "0");

  FlueGasVolume solid = flueGasVolume({"固体燃料", "20934", "1.3", "0.3"}, {});
  for (const char* text : {"", "固体", "固体燃料 ", "天然气"}) {
    SCOPED_TRACE(text);
    FlueGasVolume out = flueGasVolume({text, "100", "2", "1"}, solid.values);
    EXPECT_EQ(out.message, "请选择燃料类型!");
    EXPECT_FALSE(out.airLeakageCleared);
    EXPECT_EQ(out.values.theoreticalAir, solid.values.theoreticalAir);
    EXPECT_EQ(out.perKilogramText, "9.429643");
    EXPECT_EQ(out.perTonneText, "9429.643");
    EXPECT_EQ(out.values.heatingValue, 100.0f);
  }
}

TEST(FlueGasVolume, AnUnreadableInputKeepsItsPreviousValue) {
  FlueGasVolume first = flueGasVolume({"固体燃料", "20934", "1.3", "0.3"}, {});
  FlueGasVolume second = flueGasVolume({"固体燃料", "abc", "1.3", "0.3"}, first.values);
  EXPECT_EQ(second.values.heatingValue, 20934.0f);
  EXPECT_EQ(second.perKilogramText, "9.429643");
  FlueGasVolume third = flueGasVolume({"液体燃料", "20934", "", "0.3"}, first.values);
  EXPECT_EQ(third.values.excessAir, 1.3f);
  EXPECT_EQ(third.perKilogramText, "9.299613");
}

TEST(FlueGasVolume, APerTonneVolumeBeyondTheSingleRangeLeavesItsFieldAlone) {
  FlueGasVolume out = flueGasVolume({"固体燃料", "1e10", "1e30", "0"}, {});
  EXPECT_EQ(out.perKilogramText, plainText(out.values.flueGas));
  EXPECT_FALSE(out.perTonneText);
}

}  // namespace
}  // namespace tolvar::fuel
