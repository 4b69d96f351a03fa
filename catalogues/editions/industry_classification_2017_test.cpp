#include "catalogues/editions/industry_classification_2017.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tolvar::catalogues {
namespace {

std::vector<std::string> codesOf(const std::vector<std::size_t>& found) {
  std::vector<std::string> codes;
  for (std::size_t i : found) codes.push_back(industryClassification2017()[i].code);
  return codes;
}

TEST(IndustryClassification2017, HoldsThePublishedNumberOfEntriesPerLevel) {
  std::map<std::string_view, int> perLevel;
  int singleClassGroups = 0;
  for (const IndustryEntry2017& e : industryClassification2017()) {
    ++perLevel[levelName(e)];
    if (!e.listed) {
      ++singleClassGroups;
      EXPECT_EQ(levelName(e), "中类") << e.code;
    }
  }
  EXPECT_EQ(perLevel, (std::map<std::string_view, int>{
                          {"门类", 20}, {"大类", 97}, {"中类", 473}, {"小类", 1381}}));
  EXPECT_EQ(singleClassGroups, 199);
}

TEST(IndustryClassification2017, ACodeShowsItsNameAndPlace) {
  std::vector<std::size_t> found = industryCodesStartingWith("2614");
  ASSERT_EQ(found.size(), 1u);
  auto rows = industryRows2017(found);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (std::vector<std::string>{
                         "2614", "有机化学原料制造", "小类",
                         "C 制造业 › 26 化学原料和化学制品制造业 › 261 基础化学原料制造"}));
  EXPECT_EQ(rows[0].size(), rows[1].size());
}

TEST(IndustryClassification2017, ACodePrefixFindsTheWholeBranchInCodeOrder) {
  // Division 26 with its 8 groups and 38 classes; full-width digits are the same code.
  for (std::string_view prefix : {"26", "２６"}) {
    std::vector<std::string> codes = codesOf(industryCodesStartingWith(prefix));
    ASSERT_EQ(codes.size(), 47u) << prefix;
    EXPECT_EQ(codes.front(), "26");
    EXPECT_EQ(codes.back(), "2689");
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_TRUE(std::all_of(codes.begin(), codes.end(),
                            [](const std::string& c) { return c.starts_with("26"); }));
  }
  EXPECT_TRUE(industryCodesStartingWith("2618").empty());
  EXPECT_TRUE(industryCodesStartingWith("").empty());
}

TEST(IndustryClassification2017, AGroupOfOneClassIsFoundThroughItsClass) {
  // 019 其他农业 holds only 0190; the standard prints them as one row.
  std::vector<std::size_t> found = industryCodesStartingWith("019");
  ASSERT_EQ(codesOf(found), std::vector<std::string>{"0190"});
  EXPECT_EQ(placeInHierarchy(industryClassification2017()[found[0]]),
            "A 农、林、牧、渔业 › 01 农业 › 019 其他农业");
}

TEST(IndustryClassification2017, ASectionRunsFromItsLetterToTheNextSection) {
  struct Case {
    std::string_view letter;
    std::string first;
    std::string last;
  };
  for (const Case& c : {Case{"C", "C", "4390"}, Case{"c", "C", "4390"}, Case{"T", "T", "9700"}}) {
    std::vector<std::string> codes = codesOf(industrySection2017(c.letter));
    ASSERT_FALSE(codes.empty()) << c.letter;
    EXPECT_EQ(codes.front(), c.first) << c.letter;
    EXPECT_EQ(codes.back(), c.last) << c.letter;
  }
  EXPECT_TRUE(industrySection2017("Z").empty());
}

TEST(IndustryClassification2017, AKeywordFindsEveryLineThatHoldsItAcrossSections) {
  // 化学 stands in 21 lines, from mining (1020) through manufacturing to storage (5942); the
  // single-class group 102 化学矿开采 is found as its class only.
  std::vector<std::string> codes = codesOf(industryNamesContaining("化学"));
  ASSERT_EQ(codes.size(), 21u);
  EXPECT_EQ(codes.front(), "1020");
  EXPECT_EQ(codes.back(), "5942");
  EXPECT_EQ(std::count(codes.begin(), codes.end(), "102"), 0);
  EXPECT_TRUE(industryNamesContaining("火星").empty());
}

}  // namespace
}  // namespace tolvar::catalogues
