#include "catalogues/industry_classification.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogues/text_compare.h"

namespace tolvar::catalogues {
namespace {

const std::u32string& text() {
  return industryClassificationText();
}

std::vector<std::string> lines(std::u32string_view keyword) {
  auto found = industryLinesContaining(text(), keyword);
  std::vector<std::string> out;
  if (found) {
    for (std::u32string_view line : *found) out.push_back(toUtf8(line));
  }
  return out;
}

std::size_t lineCount(std::u32string_view section) {
  return static_cast<std::size_t>(std::count(section.begin(), section.end(), U'\n'));
}

TEST(IndustryClassification, StoredTextHasTheTitleLinesAndEveryListedEntry) {
  EXPECT_EQ(toUtf8(text().substr(0, 58)),
            "国民经济行业分类与代码\r\n\r\n（科技统计用）\r\n\r\n"
            "国民经济行业代码 （GB/T 4754—2002 ）\r\n\r\n\r\n");
  EXPECT_EQ(std::count(text().begin(), text().end(), U'\n'), 7 + 1199);
  EXPECT_EQ(toUtf8(text().substr(text().size() - 11)), "9800 国际组织\r\n");
  EXPECT_NE(text().find(U"\r\n1320 饲料加工 \r\n"), std::u32string::npos);
}

TEST(IndustryClassification, SectionRunsToTheNextSectionLetter) {
  std::u32string_view manufacturing = industrySection(text(), U'C');
  EXPECT_EQ(toUtf8(manufacturing.substr(0, 7)), "C 制造业\r\n");
  EXPECT_TRUE(toUtf8(manufacturing).ends_with("\r\n4320 非金属废料和碎屑的加工处理\r\n"));
  EXPECT_EQ(lineCount(manufacturing), 615u);
  // The last section stops before the text's final line feed.
  EXPECT_EQ(toUtf8(industrySection(text(), U'T')), "T 国际组织\r\n98 国际组织\r\n9800 国际组织\r");
  std::size_t total = 0;
  for (char32_t letter = U'A'; letter <= U'T'; ++letter) {
    std::u32string_view section = industrySection(text(), letter);
    SCOPED_TRACE(static_cast<char>(letter));
    ASSERT_FALSE(section.empty());
    EXPECT_EQ(section.substr(0, 2), std::u32string({letter, U' '}));
    total += lineCount(section) + (letter == U'T' ? 1 : 0);
  }
  EXPECT_EQ(total, 1199u);
}

TEST(IndustryClassification, KeywordScanListsEachLineOnceInCodeOrder) {
  EXPECT_EQ(lines(U"化工"), (std::vector<std::string>{
                                "362 化工、木材、非金属加工专用设备制造\r",
                                "3621 炼油、化工生产专用设备制造\r",
                                "3643 日用化工专用设备制造\r",
                                "636 矿产品、建材及化工产品批发\r",
                                "6369 其他化工产品批发\r",
                            }));
  EXPECT_EQ(lines(U"饲料加工").front(), "1320 饲料加工 \r");
  // Found only in the title lines: a list without lines, not "occurs nowhere".
  auto titleOnly = industryLinesContaining(text(), U"国民经济");
  ASSERT_TRUE(titleOnly);
  EXPECT_TRUE(titleOnly->empty());
  EXPECT_FALSE(industryLinesContaining(text(), U"火星"));
  // Compared as text: the full-width brackets of a name match half-width ones typed.
  EXPECT_EQ(lines(toUtf32("(科技统计用)")).size(), 0u);
  EXPECT_TRUE(industryLinesContaining(text(), toUtf32("(科技统计用)")));
}

TEST(IndustryClassification, ResultTexts) {
  const std::string titles =
      "国民经济行业分类与代码\n(科技统计用)\n国民经济行业代码 （GB/T 4754—2002 ）\n\n";
  EXPECT_EQ(industryKeywordResult(std::nullopt), titles + "检索无记录，请重新输入");
  EXPECT_EQ(industryKeywordResult(industryLinesContaining(text(), U"国际组织")),
            titles +
                "包含你输入关键字的行业类别及其代码如下：\n"
                "\nT 国际组织\r\n98 国际组织\r\n9800 国际组织\r\n");
  EXPECT_EQ(industrySectionResult(U"P 教育\r\n"),
            titles + "你所查询的大类别下有以下记录，你也可以试试关键字检索！\n\nP 教育\r\n");
}

}  // namespace
}  // namespace tolvar::catalogues
