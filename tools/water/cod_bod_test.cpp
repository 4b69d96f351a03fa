#include "tools/water/cod_bod.h"

#include <gtest/gtest.h>

namespace tolvar::water {
namespace {

TEST(CodBod, EachRowConvertsWithItsOwnLine) {
  struct Case {
    const char* caption;
    const char* at100;
    const char* at0;
  };
  const Case cases[] = {
      {"机械废水：", "29.12", "1.8"},      {"冷却废水：", "12.96", "0.11"},
      {"制药废水：", "170.43", "131.21"},  {"纺织印染废水：", "39.59", "-2.49"},
      {"食品加工废水：", "74.96", "13.7"}, {"饮食废水：", "77.43", "17.51"},
      {"医院废水：", "33.98", "-0.41"},    {"生活污水：", "65.62", "17.02"},
  };
  ASSERT_EQ(codBodLines().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const CodBodLine& line = codBodLines()[i];
    SCOPED_TRACE(cases[i].caption);
    EXPECT_EQ(line.caption, cases[i].caption);
    EXPECT_EQ(bod5Text(line, "100", ""), cases[i].at100);
    EXPECT_EQ(bod5Text(line, "0", ""), cases[i].at0);
  }
}

TEST(CodBod, NegativeResultsStandAndUnreadableCodKeepsTheShownValue) {
  const CodBodLine& textile = codBodLines()[3];
  EXPECT_EQ(bod5Text(textile, "5", ""), "-0.386");
  EXPECT_EQ(bod5Text(textile, " 1,000 ", ""), "418.31");
  for (const char* unreadable : {"", "-", "12a", "1e999"}) {
    SCOPED_TRACE(unreadable);
    EXPECT_EQ(bod5Text(textile, unreadable, "39.59"), "39.59");
  }
}

}  // namespace
}  // namespace tolvar::water
