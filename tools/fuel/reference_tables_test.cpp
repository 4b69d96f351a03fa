#include "tools/fuel/reference_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace tolvar::fuel {
namespace {

TEST(ReferenceTables, ReadsBlocksOfLines) {
  std::vector<ReferenceTable> tables = parseReferenceTables(
      "# comment\n"
      "window\t甲\n"
      "above\t上\n"
      "heading\t表 1\n"
      "row\t名\t值\n"
      "row\t乙\t\n"
      "below\t来源\n"
      "\n"
      "window\t丙\n"
      "above\t一段话\n");
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].title, "甲");
  EXPECT_EQ(tables[0].above, std::vector<std::string>{"上"});
  EXPECT_EQ(tables[0].heading, "表 1");
  EXPECT_EQ(tables[0].rows, (std::vector<std::vector<std::string>>{{"名", "值"}, {"乙", ""}}));
  EXPECT_EQ(tables[0].below, std::vector<std::string>{"来源"});
  EXPECT_TRUE(tables[1].rows.empty());
  EXPECT_EQ(tables[1].above, std::vector<std::string>{"一段话"});
}

TEST(ReferenceTables, ATableWhoseRowsAreOmittedKeepsItsHeadingsAndSaysSo) {
  std::vector<ReferenceTable> tables = parseReferenceTables(
      "window\t甲\n"
      "heading\t表 1\n"
      "row\t名\t值\n"
      "omitted\t本表数据未收录\n"
      "below\t来源\n");
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0].rows, (std::vector<std::vector<std::string>>{{"名", "值"}}));
  EXPECT_EQ(tables[0].below, (std::vector<std::string>{"本表数据未收录", "来源"}));
  EXPECT_TRUE(tables[0].rowsOmitted);
}

TEST(ReferenceTables, RejectsMalformedRecords) {
  const char* broken[] = {
      "heading\t表\n",                                        // before any window
      "window\t甲\nrow\ta\tb\nrow\tc\n",                      // a short row
      "window\t甲\nrow\ta\tb\n",                              // headings without data
      "window\t甲\n",                                         // shows nothing
      "window\t甲\nabove\tx\nwindow\t甲\nabove\ty\n",         // twice the same window
      "window\t甲\ncaption\tx\n",                             // unknown line
      "window\t甲\nheading\t表\nheading\t表\nabove\tx\n",     // two headings
      "window\t\n",                                           // no title
      "window\t甲\nomitted\t未收录\n",                        // nothing of the table is left
      "window\t甲\nrow\ta\tb\nrow\tc\td\nomitted\t未收录\n",  // rows after all
  };
  for (const char* text : broken) {
    SCOPED_TRACE(text);
    EXPECT_THROW(parseReferenceTables(text), std::invalid_argument);
  }
}

TEST(ReferenceTables, TheCarriedTablesAreComplete) {
  const std::vector<ReferenceTable>& tables = fuelReferenceTables();
  ASSERT_EQ(tables.size(), 16u);
  auto paragraphs = std::count_if(tables.begin(), tables.end(),
                                  [](const ReferenceTable& t) { return t.rows.empty(); });
  EXPECT_EQ(paragraphs, 1);
}

}  // namespace
}  // namespace tolvar::fuel
