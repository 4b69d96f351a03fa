#include "tools/fuel/boiler_ash_slag.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/number_format.h"
#include "tools/fuel/field_number.h"

namespace tolvar::fuel {
namespace {

// The window's default inputs: 300 t of coal, A 25, dfh 20, Cfh 30, Ciz 17.5, η 90.
struct Boiler {
  double coal = 300, ash = 25, flueDustShare = 20, dustCombustibles = 30, slagCombustibles = 17.5,
         dustRemoval = 90;
};

Boiler with(Boiler b, double Boiler::*member, double value) {
  b.*member = value;
  return b;
}

// slag, fly ash, total as the fields show them.
std::array<std::string, 3> shown(const Boiler& b) {
  AshAndSlag r = boilerAshAndSlag(b.coal, b.ash, b.flueDustShare, b.dustCombustibles,
                                  b.slagCombustibles, b.dustRemoval);
  return {plainText(r.slag), plainText(r.flyAsh), plainText(r.total)};
}

TEST(BoilerAshSlag, WholeKilogramsRoundedDown) {
  using S = std::array<std::string, 3>;
  const double nan = numberOrNaN("abc");
  struct Case {
    const char* what;
    Boiler boiler;
    S expected;
  };
  const Case cases[] = {
      {"defaults: 72727.27 and 19285.71 kg", {}, S{"72727", "19285", "92012"}},
      {"the total is rounded from the unrounded sum", with(Boiler{}, &Boiler::coal, 2),
       S{"484", "128", "613"}},
      {"no dust collection", with(Boiler{}, &Boiler::dustRemoval, 0), S{"72727", "0", "72727"}},
      {"dfh above 100 gives negative loads", with(Boiler{}, &Boiler::flueDustShare, 120),
       S{"-18182", "115714", "97532"}},
      {"-0.5 kg rounds down to -1", Boiler{1, 1, 105, 30, 0, 0}, S{"-1", "0", "-1"}},
      {"all the slag combustible divides by zero", with(Boiler{}, &Boiler::slagCombustibles, 100),
       S{"Inf", "19285", "Inf"}},
      {"no coal and all the slag combustible",
       with(with(Boiler{}, &Boiler::coal, 0), &Boiler::slagCombustibles, 100),
       S{"NaN", "0", "NaN"}},
      {"all the dust combustible", with(Boiler{}, &Boiler::dustCombustibles, 100),
       S{"72727", "Inf", "Inf"}},
      {"Ciz that is no number", with(Boiler{}, &Boiler::slagCombustibles, nan),
       S{"NaN", "19285", "NaN"}},
      {"coal that is no number", with(Boiler{}, &Boiler::coal, nan), S{"NaN", "NaN", "NaN"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(shown(c.boiler), c.expected);
  }
}

}  // namespace
}  // namespace tolvar::fuel
