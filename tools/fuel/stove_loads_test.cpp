#include "tools/fuel/stove_loads.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "framework/number_format.h"

namespace tolvar::fuel {
namespace {

// smoke, CO, SO2, HC, NOx as the fields show them.
std::array<std::string, 5> shown(const StoveLoads& l) {
  return {plainText(l.smoke), plainText(l.carbonMonoxide), plainText(l.sulphurDioxide),
          plainText(l.hydrocarbons), plainText(l.nitrogenOxides)};
}

using Shown = std::array<std::string, 5>;

TEST(StoveLoads, TheCarriedFactorsFillTheTwoLists) {
  std::vector<StoveFactors> tea = stoveFactors("茶炉");
  ASSERT_EQ(tea.size(), 2u);
  EXPECT_EQ(tea[0].coal, "原\u3000\u3000煤");
  EXPECT_EQ(tea[1].coal, "型\u3000\u3000煤");
  std::vector<StoveFactors> big = stoveFactors("大灶");
  ASSERT_EQ(big.size(), 1u);
  EXPECT_EQ(big[0].coal, "型\u3000\u3000煤");
}

TEST(StoveLoads, LoadsOfTheChosenCoalKind) {
  std::vector<StoveFactors> tea = stoveFactors("茶炉");
  std::vector<StoveFactors> big = stoveFactors("大灶");
  struct Case {
    const char* what;
    const std::vector<StoveFactors>* rows;
    const char* coalKind;
    const char* coalBurnt;
    Shown expected;
  };
  const Shown zeros{"0", "0", "0", "0", "0"};
  const Case cases[] = {
      {"tea stove, raw coal", &tea, "原\u3000\u3000煤", "100",
       Shown{"205", "1011", "1049", "60", "399"}},
      {"tea stove, briquettes", &tea, "型\u3000\u3000煤", "10",
       Shown{"6.5", "45.3", "74.2", "2.6", "18.2"}},
      {"big stove, briquettes", &big, "型\u3000\u3000煤", "2",
       Shown{"1.4", "20.04", "14.18", "0.6", "2.9"}},
      {"single precision keeps 7 digits", &tea, "原\u3000\u3000煤", "123456.789",
       Shown{"253086.4", "1248148", "1295062", "74074.07", "492592.6"}},
      {"no coal kind chosen", &tea, "", "100", zeros},
      {"raw coal typed without the ideographic blanks", &tea, "原煤", "100", zeros},
      {"raw coal is no item of the big stove", &big, "原\u3000\u3000煤", "100", zeros},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(shown(stoveLoads(*c.rows, c.coalKind, c.coalBurnt, {})), c.expected);
  }
}

TEST(StoveLoads, CoalThatIsNoNumberKeepsThePreviousLoads) {
  std::vector<StoveFactors> tea = stoveFactors("茶炉");
  StoveLoads previous = stoveLoads(tea, "原\u3000\u3000煤", "100", {});
  for (const char* coalBurnt : {"", "abc", "1e999"}) {
    SCOPED_TRACE(coalBurnt);
    EXPECT_EQ(shown(stoveLoads(tea, "型\u3000\u3000煤", coalBurnt, previous)),
              (Shown{"205", "1011", "1049", "60", "399"}));
  }
  // An unknown coal kind still clears them.
  EXPECT_EQ(shown(stoveLoads(tea, "煤", "abc", previous)), (Shown{"0", "0", "0", "0", "0"}));
}

TEST(StoveLoads, ALoadBeyondSinglePrecisionIsInfinite) {
  std::vector<StoveFactors> tea = stoveFactors("茶炉");
  EXPECT_EQ(shown(stoveLoads(tea, "原\u3000\u3000煤", "1e38", {}))[1], "Inf");
}

TEST(StoveLoads, RejectsMalformedRows) {
  const char* broken[] = {
      "茶炉\t原煤\t1\t2\t3\t4\n",                                // a factor missing
      "茶炉\t原煤\t1\t2\t3\t4\tx\n",                             // a factor that is no number
      "\t原煤\t1\t2\t3\t4\t5\n",                                 // no stove
      "茶炉\t原煤\t1\t2\t3\t4\t5\n茶炉\t原煤\t1\t2\t3\t4\t5\n",  // twice the same row
  };
  for (const char* text : broken) {
    SCOPED_TRACE(text);
    EXPECT_THROW(parseStoveFactors(text), std::invalid_argument);
  }
}

}  // namespace
}  // namespace tolvar::fuel
