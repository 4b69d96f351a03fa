#include "tools/fuel/oil_gas_pollutants.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/number_format.h"
#include "tools/fuel/field_number.h"

namespace tolvar::fuel {
namespace {

// The oil window's default inputs: 600 t of oil, S 0.24, η1 0, η2 40, N 0.14, C 90, Q 2.
struct Oil {
  double oil = 600, sulphur = 0.24, sulphurRemoval = 0, conversion = 40, nitrogen = 0.14;
  double carbon = 90, incomplete = 2;
};

struct OilTexts {
  std::string sulphurDioxide, nitrogenOxides, carbonMonoxide;
  friend bool operator==(const OilTexts&, const OilTexts&) = default;
};

OilTexts oilLoads(const Oil& o) {
  return {maskedText(oilSulphurDioxideLoad(o.oil, o.sulphur, o.sulphurRemoval), kOilLoadMask),
          maskedText(oilNitrogenOxidesLoad(o.oil, o.nitrogen, o.conversion), kOilLoadMask),
          maskedText(oilCarbonMonoxideLoad(o.oil, o.carbon, o.incomplete), kOilLoadMask)};
}

template <typename Inputs>
Inputs with(Inputs inputs, double Inputs::*member, double value) {
  inputs.*member = value;
  return inputs;
}

void PrintTo(const OilTexts& t, std::ostream* os) {
  *os << t.sulphurDioxide << " / " << t.nitrogenOxides << " / " << t.carbonMonoxide;
}

TEST(OilPollutants, LoadsAsTheFieldsShowThem) {
  const double nan = numberOrNaN("");
  struct Case {
    const char* what;
    Oil oil;
    OilTexts expected;
  };
  const Case cases[] = {
      {"defaults", {}, {"2880.", "1465.04", "25164."}},
      {"poor heavy oil", with(Oil{}, &Oil::nitrogen, 0.2), {"2880.", "1699.76", "25164."}},
      {"all sulphur removed", with(Oil{}, &Oil::sulphurRemoval, 100), {".", "1465.04", "25164."}},
      {"removal above 100 % keeps its sign",
       with(Oil{}, &Oil::sulphurRemoval, 150),
       {"-1440.", "1465.04", "25164."}},
      {"no oil", with(Oil{}, &Oil::oil, 0), {".", ".", "."}},
      {"negative oil and full removal show no minus zero",
       with(with(Oil{}, &Oil::oil, -1), &Oil::sulphurRemoval, 100),
       {".", "-2.44", "-41.94"}},
      {"oil that is no number", with(Oil{}, &Oil::oil, nan), {"NaN", "NaN", "NaN"}},
      {"nitrogen that is no number", with(Oil{}, &Oil::nitrogen, nan), {"2880.", "NaN", "25164."}},
      {"beyond the double range", with(Oil{}, &Oil::oil, 1e306), {"Inf", "Inf", "Inf"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(oilLoads(c.oil), c.expected);
  }
}

// The gas window's default inputs: 300 m3 of gas, CH2S 0.05, Q 2, VCO 5, VCH4 95, VCmHn 0.
struct Gas {
  double gas = 300, hydrogenSulphide = 0.05, incomplete = 2, carbonMonoxide = 5, methane = 95,
         otherAlkanes = 0;
};

std::pair<std::string, std::string> gasLoads(const Gas& g) {
  return {maskedText(gasSulphurDioxideLoad(g.gas, g.hydrogenSulphide), kGasLoadMask),
          maskedText(gasCarbonMonoxideLoad(g.gas, g.incomplete, g.carbonMonoxide, g.methane,
                                           g.otherAlkanes),
                     kGasLoadMask)};
}

TEST(GasPollutants, LoadsAsTheFieldsShowThem) {
  const double nan = numberOrNaN("5%");
  struct Case {
    const char* what;
    Gas gas;
    std::pair<std::string, std::string> expected;
  };
  const Case cases[] = {
      {"defaults", {}, {".43", "7.5"}},
      {"other alkanes count thirteen times", with(Gas{}, &Gas::otherAlkanes, 2), {".43", "9.45"}},
      {"coal gas", with(with(Gas{}, &Gas::carbonMonoxide, 10), &Gas::methane, 25), {".43", "2.63"}},
      {"a large volume", with(Gas{}, &Gas::gas, 1234567), {"1763.58", "30864.18"}},
      {"H2S that is no number", with(Gas{}, &Gas::hydrogenSulphide, nan), {"NaN", "7.5"}},
      {"methane that is no number", with(Gas{}, &Gas::methane, nan), {".43", "NaN"}},
      {"beyond the double range", with(Gas{}, &Gas::gas, 1e308), {"Inf", "Inf"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(gasLoads(c.gas), c.expected);
  }
}

}  // namespace
}  // namespace tolvar::fuel
