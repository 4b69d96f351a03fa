#include "catalogues/structure_adjustment.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "catalogues/text_compare.h"

namespace tolvar::catalogues {
namespace {

std::string result(std::u32string_view text, const char* keyword) {
  return structureSearchResult(structureEntriesContaining(text, toUtf32(keyword)));
}

TEST(StructureAdjustment, StoredCatalogueSaysHowMuchOfEachCategoryItHolds) {
  const std::vector<StructureCategory>& categories = structureCatalogue();
  ASSERT_EQ(categories.size(), 3u);
  const std::tuple<const char*, std::size_t, std::size_t, const char*> expected[] = {
      {"鼓励类", 538, 1, "第一类  鼓励类 A"},
      {"限制类", 190, 0, "第二类  限制类A"},
      {"淘汰类", 399, 0, "第三类  淘汰类A"},
  };
  for (std::size_t i = 0; i < categories.size(); ++i) {
    const auto& [name, published, stored, heading] = expected[i];
    SCOPED_TRACE(name);
    EXPECT_EQ(categories[i].name, name);
    EXPECT_EQ(categories[i].publishedItems, published);
    EXPECT_EQ(categories[i].storedItems, stored);
    EXPECT_TRUE(toUtf8(categories[i].text).starts_with(heading));
  }
}

TEST(StructureAdjustment, SearchOfTheStoredCatalogue) {
  const std::vector<StructureCategory>& categories = structureCatalogue();
  // The first item comes with the category heading and the section heading before it.
  EXPECT_EQ(result(categories[0].text, "中低产田"),
            "\n第一类  鼓励类 A\r\n\r\n一、农林业\r\n\r\n"
            "1.粮食中低产田综合治理与稳产高产基本农田建设\n");
  EXPECT_EQ(result(categories[1].text, "中低产田"), "查无此项目");
  EXPECT_EQ(result(categories[1].text, "天然气"), "查无此项目");
}

TEST(StructureAdjustment, EntriesAreSeparatedByTheBlankLinesAfterEachMarker) {
  std::vector<StructureCategory> categories = parseStructureCatalogue(
      "category\t限制类\t190\t第二类  限制类A\n"
      "section\t一、石化化工\n"
      "item\t1.天然气制甲醇\n"
      "item\t2.其他\n"
      "item\t3.以天然气为原料的合成氨\n"
      "section\t二、信息产业\n"
      "item\t1.IGBT模块\n");
  const std::u32string& text = categories[0].text;
  EXPECT_EQ(toUtf8(text),
            "第二类  限制类A\r\n\r\n一、石化化工\r\n\r\n1.天然气制甲醇B\r\n\r\n2.其他B\r\n\r\n"
            "3.以天然气为原料的合成氨B\r\n\r\n二、信息产业\r\n\r\n1.IGBT模块B");
  EXPECT_EQ(result(text, "天然气"),
            "\n第二类  限制类A\r\n\r\n一、石化化工\r\n\r\n1.天然气制甲醇"
            "\n\r\n\r\n3.以天然气为原料的合成氨\n");
  EXPECT_EQ(result(text, "模块"), "\nT模块\n");  // the B of IGBT counts as a marker
  EXPECT_EQ(categories[0].storedItems, 4u);
}

TEST(StructureAdjustment, MalformedFilesAreRefused) {
  const std::pair<const char*, const char*> malformed[] = {
      {"no category", "# only a comment\n"},
      {"an item before a category", "item\t1.甲\n"},
      {"no item count", "category\t鼓励类\t\t第一类  鼓励类 A\n"},
      {"an item count that is no number", "category\t鼓励类\t五百\t第一类  鼓励类 A\n"},
      {"more items than published", "category\t鼓励类\t1\t第一类 A\nitem\t1.甲\nitem\t2.乙\n"},
      {"an unknown record", "category\t鼓励类\t5\t第一类 A\nclause\t甲\n"},
      {"an empty item", "category\t鼓励类\t5\t第一类 A\nitem\t\n"},
  };
  for (const auto& [what, data] : malformed) {
    SCOPED_TRACE(what);
    EXPECT_THROW(parseStructureCatalogue(data), std::invalid_argument);
  }
}

}  // namespace
}  // namespace tolvar::catalogues
