#include "report/sheet_text.h"

#include <gtest/gtest.h>

#include "report/appendix.h"

namespace tolvar {
namespace {

using Kind = SheetRow::Kind;

CalculationSheet fixture(const std::string& title) {
  return {title,
          {{Kind::title, {title}},
           {Kind::section, {"输入参数"}},
           {Kind::field, {"A<B", "1\t2", ""}},
           {Kind::section, {"计算结果"}},
           {Kind::field, {"Q", " ", "kg/s"}},
           {Kind::section, {"计算依据"}},
           {Kind::line, {"式中：\r\nQ--速度 & 量"}},
           {Kind::richText, {"<p>甲<sub>1</sub></p><p>乙&lt;丙&#x4E01;</p>"}},
           {Kind::tableHeading, {"a", "b", "c", "d"}},
           {Kind::tableRow, {"1", "", "3", ""}},
           {Kind::footer, {"程序 1.0  2026-12-10 10:00"}}}};
}

TEST(SheetText, PlainTextIsOneRowALineWithTabs) {
  EXPECT_EQ(sheetPlainText(fixture("窗口")),
            "窗口\n输入参数\nA<B\t1 2\n计算结果\nQ\t \tkg/s\n计算依据\n式中：\nQ--速度 & 量\n"
            "甲1\n乙<丙丁\na\tb\tc\td\n1\t\t3\t\n程序 1.0  2026-12-10 10:00\n");
}

TEST(SheetText, HtmlIsOneTableWithAHeadingRowPerSection) {
  std::string html = sheetHtml(fixture("窗口"));
  EXPECT_EQ(html.find("<table"), 0u);
  EXPECT_EQ(html.find("<table", 1), std::string::npos);
  for (const char* row : {
           "<tr><th colspan=\"4\" style=\"font-size:14pt;\">窗口</th></tr>",
           "<tr><th colspan=\"4\" align=\"left\" bgcolor=\"#e6e6e6\">输入参数</th></tr>",
           "<tr><td>A&lt;B</td><td>1\t2</td><td colspan=\"2\"></td></tr>",
           "<tr><td colspan=\"4\">式中：<br>Q--速度 &amp; 量</td></tr>",
           "<tr><td colspan=\"4\"><p>甲<sub>1</sub></p><p>乙&lt;丙&#x4E01;</p></td></tr>",
           "<tr><th>a</th><th>b</th><th>c</th><th>d</th></tr>",
       }) {
    EXPECT_NE(html.find(row), std::string::npos) << row;
  }
}

TEST(SheetText, TextOfHtmlKeepsParagraphsAndDecodesEntities) {
  const std::pair<const char*, const char*> cases[] = {
      {"<p>一</p>\n<p>二</p>", "一\n二"},
      {"a<br/>b<BR>c", "a\nb\nc"},
      {"<i>G</i><sub>泥</sub> = M&nbsp;×&#178;", "G泥 = M ×²"},
      {"&unknown; &amp", "&unknown; &amp"},
      {"<table><tr><td>1</td><td>2</td></tr></table>", "1\t2"},
  };
  for (const auto& [html, text] : cases) EXPECT_EQ(textOfHtml(html), text) << html;
}

TEST(Appendix, KeepsSheetsInTheOrderTheUserGives) {
  Appendix appendix;
  int changes = 0;
  appendix.setObserver([&] { ++changes; });
  for (const char* title : {"一", "二", "三"}) appendix.add(fixture(title));
  auto titles = [&] {
    std::string all;
    for (const CalculationSheet& sheet : appendix.sheets()) all += sheet.title;
    return all;
  };
  appendix.move(2, 0);
  EXPECT_EQ(titles(), "三一二");
  appendix.move(0, 3);  // out of range: nothing moves
  appendix.remove(5);
  EXPECT_EQ(titles(), "三一二");
  appendix.remove(1);
  EXPECT_EQ(titles(), "三二");
  EXPECT_EQ(appendix.plainText(),
            sheetPlainText(fixture("三")) + "\n" + sheetPlainText(fixture("二")));
  std::string html = appendix.htmlDocument();
  EXPECT_LT(html.find(">三<"), html.find(">二<"));
  appendix.clear();
  EXPECT_TRUE(appendix.empty());
  EXPECT_EQ(changes, 6);
}

}  // namespace
}  // namespace tolvar
