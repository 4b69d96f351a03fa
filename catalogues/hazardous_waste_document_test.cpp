#include "catalogues/hazardous_waste_document.h"

#include <gtest/gtest.h>

namespace tolvar::catalogues {
namespace {

TEST(HazardousWasteDocument, TableHoldsTheSameEntriesAsTheSearchedText) {
  std::vector<std::vector<std::string>> rows = hazardousWasteTable(hazardousWasteList());
  ASSERT_EQ(rows.size(), 48u);
  EXPECT_EQ(rows[0],
            (std::vector<std::string>{"编号", "废物类别", "废物来源", "常见危害组分或废物名称"}));
  EXPECT_EQ(rows[1][0], "HW01");
  EXPECT_EQ(rows[1][1], "医院临床废物");
  EXPECT_EQ(rows[1][3], "手术残物，敷料、化验废物，传染性废物，动物试验废物");
  EXPECT_EQ(rows[47][0], "HW47");
  EXPECT_EQ(rows[47][1], "含钡废物");
}

TEST(HazardousWasteDocument, EachLineOfACellStandsOnARowOfItsOwn) {
  std::string data;
  for (int i = 1; i <= 47; ++i) {
    data += (i < 10 ? "HW0" : "HW") + std::to_string(i) + "\t类别" + std::to_string(i) +
            "\nsource\t来源\n";
    if (i == 2) data += "source\t——工序\ncomponent\t甲\ncomponent\t乙\ncomponent\t丙\n";
  }
  Worksheet sheet = hazardousWasteDocument(parseHazardousWasteList(data));
  EXPECT_EQ(sheet.columns(), 4);
  EXPECT_EQ(sheet.rows(), 2 + 1 + 46 + 3);
  EXPECT_EQ(sheet.tabSeparated({0, 0}, {1, 0}),
            "国家危险废物名录\n(1998年1月4日，国家环保局、国家经贸委、外经贸部、公安部颁布，"
            "1998年7月1日实施环发[1998]089号)\n");
  EXPECT_EQ(sheet.tabSeparated({2, 0}, {7, 3}),
            "编号\t废物类别\t废物来源\t常见危害组分或废物名称\n"
            "HW01\t类别1\t来源\t\n"
            "HW02\t类别2\t来源\t甲\n"
            "\t\t——工序\t乙\n"
            "\t\t\t丙\n"
            "HW03\t类别3\t来源\t\n");
  EXPECT_EQ(sheet.shownText({sheet.rows() - 1, 0}), "HW47");
}

}  // namespace
}  // namespace tolvar::catalogues
