#include "framework/worksheet.h"

#include <gtest/gtest.h>

namespace tolvar {
namespace {

TEST(Worksheet, CellNamesBothWays) {
  const std::pair<const char*, CellRef> cases[] = {
      {"A1", {0, 0}}, {"C1", {0, 2}}, {"e13", {12, 4}}, {"Z9", {8, 25}}, {"AA10", {9, 26}},
  };
  for (const auto& [name, ref] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(parseCellRef(name), ref);
  }
  EXPECT_EQ(cellName({12, 4}), "E13");
  EXPECT_EQ(cellName({9, 27}), "AB10");
  for (const char* bad : {"", "C", "1", "C0", "C-1", "1C", "C1 ", "中1"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(parseCellRef(bad));
  }
}

// A block: quantity in B1, a coefficient row with its product, and a copied ratio.
Worksheet block() {
  Worksheet sheet("块", 3, 3);
  sheet.setText({0, 0}, "请输入产量");
  sheet.setNumber({0, 1}, 1500);
  sheet.setNumber({1, 0}, 11.78);
  sheet.setFormula({1, 1}, {{1, 0}, {0, 1}});
  sheet.setText({2, 0}, "7—8");
  sheet.setFormula({2, 1}, {{2, 0}});
  sheet.setFormula({2, 2}, {{1, 0}});
  return sheet;
}

TEST(Worksheet, FormulasFollowTheirCellsAtOnce) {
  Worksheet sheet = block();
  EXPECT_EQ(sheet.shownText({1, 1}), "17670");  // 11.78 × 1500 in double: 17670.000000000002
  EXPECT_EQ(sheet.shownText({2, 1}), "7—8");    // a copy shows a text as it is
  EXPECT_EQ(sheet.shownText({2, 2}), "11.78");
  sheet.enter({0, 1}, "100");
  EXPECT_EQ(sheet.shownText({1, 1}), "1178");
  sheet.enter({0, 1}, " 1,000 ");  // typed numbers read like field texts
  EXPECT_EQ(sheet.shownText({0, 1}), "1000");
  EXPECT_EQ(sheet.shownText({1, 1}), "11780");
  sheet.enter({0, 1}, "");
  EXPECT_EQ(sheet.shownText({1, 1}), "0");  // an empty cell counts as 0
  sheet.enter({0, 1}, "一千");
  EXPECT_EQ(sheet.shownText({0, 1}), "一千");
  EXPECT_EQ(sheet.shownText({1, 1}), "#VALUE!");
  sheet.enter({0, 1}, "1e308");
  sheet.enter({1, 0}, "10");
  EXPECT_EQ(sheet.shownText({1, 1}), "Inf");
  sheet.enter({1, 1}, "5");  // typing over a formula replaces it
  EXPECT_FALSE(sheet.isFormula({1, 1}));
  EXPECT_EQ(sheet.shownText({1, 1}), "5");
}

TEST(Worksheet, FormulasCannotReachThemselves) {
  Worksheet sheet = block();
  EXPECT_THROW(sheet.setFormula({0, 2}, {{1, 1}}), std::invalid_argument);
  EXPECT_THROW(sheet.setFormula({0, 2}, {{0, 2}}), std::invalid_argument);
  EXPECT_THROW(sheet.setFormula({0, 2}, {}), std::invalid_argument);
  EXPECT_THROW(sheet.setNumber({3, 0}, 1), std::out_of_range);
}

TEST(Worksheet, ARangeCopiesAsTabSeparatedRows) {
  Worksheet sheet = block();
  EXPECT_EQ(sheet.tabSeparated({0, 0}, {1, 1}), "请输入产量\t1500\n11.78\t17670\n");
  EXPECT_EQ(sheet.tabSeparated({2, 2}, {1, 1}), "17670\t\n7—8\t11.78\n");  // either corner first
}

}  // namespace
}  // namespace tolvar
