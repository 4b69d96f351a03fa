#include "catalogues/editions/hazardous_waste_2021.h"

#include <gtest/gtest.h>

#include <set>

namespace tolvar::catalogues {
namespace {

std::set<std::string> categoriesOf(const std::vector<std::size_t>& found) {
  std::set<std::string> categories;
  for (std::size_t i : found) categories.insert(hazardousWasteList2021()[i].category);
  return categories;
}

TEST(HazardousWaste2021, HoldsThePublishedWastesAndCategories) {
  EXPECT_EQ(hazardousWasteList2021().size(), 467u);
  std::vector<std::string> categories = hazardousWasteCategories2021();
  ASSERT_EQ(categories.size(), 46u);  // HW01 to HW40 and HW45 to HW50
  EXPECT_EQ(categories.front(), "HW01 医疗废物");
  EXPECT_EQ(categories[39].substr(0, 4), "HW40");
  EXPECT_EQ(categories[40].substr(0, 4), "HW45");
  EXPECT_EQ(categories.back().substr(0, 4), "HW50");
}

TEST(HazardousWaste2021, AWasteCodeShowsItsWholeRow) {
  for (std::string_view code : {"900-041-49", "９００－０４１－４９"}) {
    std::vector<std::size_t> found = wastesWithCodeStartingWith(code);
    ASSERT_EQ(found.size(), 1u) << code;
    EXPECT_EQ(hazardousWasteRows2021(found)[1],
              (std::vector<std::string>{
                  "HW49 其他废物", "非特定行业", "900-041-49", "T/In",
                  "含有或沾染毒性、感染性危险废物的废弃包装物、容器、过滤吸附介质"}));
  }
  EXPECT_TRUE(wastesWithCodeStartingWith("900-041-48").empty());
}

TEST(HazardousWaste2021, ACodePrefixFindsEveryWasteItBegins) {
  // 900 is the code of wastes from no particular industry: 95 of them in 25 categories.
  std::vector<std::size_t> found = wastesWithCodeStartingWith("900-");
  EXPECT_EQ(found.size(), 95u);
  EXPECT_EQ(categoriesOf(found).size(), 25u);
  for (std::size_t i : found) EXPECT_EQ(hazardousWasteList2021()[i].code.substr(0, 4), "900-");
}

TEST(HazardousWaste2021, ACategoryIsFoundByItsCodeOrItsListItem) {
  for (std::string_view category : {"HW08", "hw08", "HW08 废矿物油与含矿物油废物"}) {
    std::vector<std::size_t> found = wastesInCategory(category);
    EXPECT_EQ(found.size(), 32u) << category;
    EXPECT_EQ(categoriesOf(found), std::set<std::string>{"HW08"}) << category;
  }
  EXPECT_TRUE(wastesInCategory("HW41").empty());
}

TEST(HazardousWaste2021, AKeywordSearchesIndustryAndDescriptionAcrossCategories) {
  struct Case {
    std::string_view keyword;
    std::size_t wastes;
    std::set<std::string> categories;
  };
  for (const Case& c : {
           Case{"废催化剂", 44, {"HW38", "HW39", "HW45", "HW50"}},
           Case{"农药", 18, {"HW04", "HW37", "HW50"}},
           Case{"卫生", 5, {"HW01"}},  // the industry source of the medical wastes
           Case{"火星", 0, {}},
       }) {
    std::vector<std::size_t> found = wastesMentioning(c.keyword);
    EXPECT_EQ(found.size(), c.wastes) << c.keyword;
    EXPECT_EQ(categoriesOf(found), c.categories) << c.keyword;
  }
}

}  // namespace
}  // namespace tolvar::catalogues
