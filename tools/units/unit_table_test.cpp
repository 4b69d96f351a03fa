#include "tools/units/unit_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tolvar::units {
namespace {

TEST(UnitTable, CategoriesInListOrderWithTheirLineCounts) {
  const std::pair<const char*, std::size_t> expected[] = {
      {"长度单位查询", 18}, {"面积单位查询", 14}, {"体积单位查询", 17}, {"质量单位查询", 10},
      {"密度单位查询", 7},  {"运动粘度查询", 5},  {"动力粘度查询", 4},  {"力单位查询", 5},
      {"压力单位查询", 16}, {"传热系数查询", 3},  {"热导率查询", 2},    {"比热容查询", 2},
      {"热功单位查询", 13}, {"功率单位查询", 4},  {"速度单位查询", 2},  {"渗透率查询", 2},
      {"地温梯度查询", 3},  {"油气产量查询", 11}, {"热值单位查询", 6},  {"热当量查询", 3},
  };
  const auto& categories = unitCategories();
  ASSERT_EQ(categories.size(), std::size(expected));
  for (std::size_t i = 0; i < categories.size(); ++i) {
    EXPECT_EQ(categories[i].name, expected[i].first);
    EXPECT_EQ(categories[i].lines.size(), expected[i].second) << expected[i].first;
  }
  const auto& length = findCategory("长度单位查询")->lines;
  EXPECT_EQ(length.front().text, "1千米（km）=0.621英里（mile）");
  EXPECT_EQ(length.back().text, "1海里（n mile）=1.1516英里（mile）");
  EXPECT_EQ(findCategory("热当量查询")->lines.back().text, "1立方米天然气＝1.3300千克标准煤");
  EXPECT_EQ(findCategory("长度单位"), nullptr);
}

TEST(UnitTable, OnlyLengthAreaVolumeAndTheFirstFourMassLinesConvert) {
  int convertible = 0;
  for (const UnitCategory& category : unitCategories()) {
    for (std::size_t i = 0; i < category.lines.size(); ++i) {
      bool converts = category.name == "长度单位查询" || category.name == "面积单位查询" ||
                      category.name == "体积单位查询" || (category.name == "质量单位查询" && i < 4);
      EXPECT_EQ(category.lines[i].conversion.has_value(), converts) << category.lines[i].text;
      convertible += converts ? 1 : 0;
    }
  }
  EXPECT_EQ(convertible, 53);
  EXPECT_EQ(findConversion("1千克（kg）=2.205磅（lb）"), nullptr);
  EXPECT_EQ(findConversion("1巴（bar）=105帕（Pa）"), nullptr);
}

// Every convertible line with the input 3: its unit labels and the product's plain text form.
TEST(UnitTable, EveryConvertibleLine) {
  struct Case {
    const char* line;
    const char* from;
    const char* to;
    const char* timesThree;
  };
  const Case cases[] = {
      {"1千米（km）=0.621英里（mile）", "千米（km）", "英里（mile）", "1.863"},
      {"1米（m）=3.281（ft）", "米（m）", "（ft）", "9.843"},
      {"1米（m）=1.094码（yd）", "米（m）", "码（yd）", "3.282"},
      {"1厘米（cm）=0.394英寸（in）", "厘米（cm）", "英寸（in）", "1.182"},
      {"1埃=10^-10米（m）", "埃", "米（m）", "3E-10"},
      {"1英里（mile）=1.609千米（km）", "英里（mile）", "千米（km）", "4.827"},
      {"1英寻（fm）=1.829（m）", "英寻（fm）", "（m）", "5.487"},
      {"1英尺（ft）=0.3048米（m）", "英尺（ft）", "（m）", "0.9144"},
      {"1英寸（in）=2.54厘米（cm）", "英寸（in）", "厘米（cm）", "7.62"},
      {"1海里（n mile）=1.852千米（km）", "海里（n mile）", "千米（km）", "5.556"},
      {"1链=66英尺（ft）=20.1168米", "链", "米", "60.3504"},
      {"1码（yd）=0.9144米（m）", "码（yd）", "米（m）", "2.7432"},
      {"1密耳（mil）=0.0254毫米（mm）", "密耳（mil）", "毫米（mm）", "0.0762"},
      {"1英尺（ft）=12英寸（in）", "英尺（ft）", "英寸（in）", "36"},
      {"1码（yd）=3英尺（ft）", "码（yd)", "英尺（ft）", "9"},
      {"1杆（rad）=16.5英尺（ft）", "杆", "英尺（ft）", "49.5"},
      {"1英里（mile）=5280英尺（ft）", "英里（mile）", "英尺（ft）", "15840"},
      {"1海里（n mile）=1.1516英里（mile）", "海里（n mile）", "英里（mile）", "3.4548"},
      {"1平方公里（km^2）=100公顷（ha）", "平方公里（km^2）", "公顷（ha）", "300"},
      {"1平方公里（km^2）=247.1英亩（acre）", "平方公里（km^2）", "英亩（acre）", "741.3"},
      {"1平方公里（km^2）=0.386平方英里（mile2）", "平方公里（km^2）", "平方英里（mile2）",
       "1.158"},
      {"1平方米（m^2）=10.764平方英尺（ft2）", "平方米（m^2)", "平方英尺（ft2）", "32.292"},
      {"1公亩（are）=100平方米（m^2）", "公亩（are）", "平方米（m^2）", "300"},
      {"1公顷（ha）=10000平方米（m^2）", "公顷（ha）", "平方米（m^2）", "30000"},
      {"1公顷（ha）=2.471英亩（acre）", "公顷（ha）", "英亩（acre）", "7.413"},
      {"1平方英里（mile2）=2.590平方公里（km^2）", "平方英里（mile2）", "平方公里（km^2）", "7.77"},
      {"1英亩（acre）=0.4047公顷（ha）", "英亩（acre）", "公顷（ha）", "1.2141"},
      {"1英亩（acre）=4.047×10^-3平方公里（km^2）", "英亩（acre）", "平方公里（km^2）", "0.012141"},
      {"1英亩（acre）=4047平方米（m^2）", "英亩（acre）", "平方米（m^2）", "12141"},
      {"1平方英尺（ft^2）=0.093平方米(m^2)", "平方英尺（ft^2）", "平方米(m^2)", "0.279"},
      {"1平方英寸（in^2）=6.452平方厘米（cm^2）", "平方英寸（in^2）", "平方厘米（cm^2）", "19.356"},
      {"1平方码（yd^2）=0.8361平方米（m^2）", "平方码（yd^2）", "平方米（m^2）", "2.5083"},
      {"1立方米（m^3）=1000升（liter）", "立方米（m^3）", "升（liter）", "3000"},
      {"1立方米（m^3）=35.315立方英尺（ft^3）", "立方米（m^3）", "立方英尺（ft^3）", "105.945"},
      {"1立方米（m^3）=6.29桶（bbl）", "立方米（m^3）", "桶（bbl）", "18.87"},
      {"1立方英尺（ft3）=0.0283立方米（m^3）", "立方英尺（ft3）", "立方米（m^3）", "0.0849"},
      {"1千立方英尺（mcf）=28.317立方米（m^3）", "千立方英尺", "立方米（m^3）", "84.951"},
      {"1百万立方英尺（MMcf）＝2.8317万立方米（m^3）", "百万立方英尺（MMcf）", "万立方米（m^3）",
       "8.4951"},
      {"10亿立方英尺（bcf）=2831.7万立方米（m^3）", "10亿立方英尺（bcf）", "万立方米（m^3）",
       "8495.1"},
      {"1万亿立方英尺（tcf）=283.17亿立方米（m^3）", "1万亿立方英尺（tcf）", "亿立方米（m^3）",
       "849.51"},
      {"1立方英寸（in3）=16.3871立方厘米（cm^3）", "立方英寸（in3）", "立方厘米（cm^3）",
       "49.1613"},
      {"1英亩·英尺＝1234立方米（m^3）", "英亩·英尺", "立方米（m^3）", "3702"},
      {"1桶（bbl）=0.159立方米（m^3）", "桶（bbl）", "立方米（m^3）", "0.477"},
      {"1桶（bbl）=42美加仑（gal）", "桶（bbl）", "美加仑（gal）", "126"},
      {"1美加仑（gal）=3.785升（1）", "美加仑（gal）", "升（1）", "11.355"},
      {"1美夸脱（qt）=0.946升（1）", "美夸脱（qt）", "升（1）", "2.838"},
      {"1美品脱（pt）=0.473升（1）", "美品脱（pt）", "升（1）", "1.419"},
      {"1美吉耳（gi）=0.118升（1）", "美吉耳（gi）", "升（1）", "0.354"},
      {"1英加仑（gal）=4.546升（1）", "英加仑（gal）", "升（1）", "13.638"},
      {"1吨（t）=1000千克（kg）", "吨（t）", "千克（kg）", "3000"},
      {"1吨（t）=2205磅（lb）", "吨（t）", "磅（lb）", "6615"},
      {"1吨（t）=1.102短吨（sh.ton）", "吨（t）", "短吨（sh.ton）", "3.306"},
      {"1吨（t）=0.984长吨（long ton）", "吨（t）", "长吨（long ton）", "2.952"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const UnitConversion* conversion = findConversion(c.line);
    ASSERT_NE(conversion, nullptr);
    EXPECT_EQ(conversion->fromUnit, c.from);
    EXPECT_EQ(conversion->toUnit, c.to);
    EXPECT_EQ(convertedText(c.line, "3"), c.timesThree);
  }
}

TEST(UnitTable, ConversionInDoublePrecisionOrNothing) {
  const char* km = "1千米（km）=0.621英里（mile）";
  const std::pair<const char*, const char*> converted[] = {
      {"1", "0.621"},   {"10", "6.21"}, {" 2.5 ", "1.5525"}, {"1,000", "621"},
      {"-4", "-2.484"}, {"1e3", "621"}, {"0", "0"},          {"1234567890123", "766666659766.383"},
  };
  for (const auto& [input, output] : converted)
    EXPECT_EQ(convertedText(km, input), output) << input;
  EXPECT_EQ(convertedText("1埃=10^-10米（m）", "5"), "5E-10");
  EXPECT_EQ(convertedText("1英亩（acre）=4.047×10^-3平方公里（km^2）", "1000"), "4.047");
  EXPECT_EQ(convertedText("1吨（t）=0.984长吨（long ton）", "2"), "1.968");
  EXPECT_EQ(convertedText("1公顷（ha）=10000平方米（m^2）", "0.5"), "5000");
  EXPECT_EQ(convertedText("1英里（mile）=5280英尺（ft）", "1e308"), "Inf");

  for (const char* input : {"", " ", "-", ".", "abc", "12a", "1e999"}) {
    EXPECT_EQ(convertedText(km, input), std::nullopt) << input;
  }
  EXPECT_EQ(convertedText("1千克（kg）=2.205磅（lb）", "1"), std::nullopt);
  EXPECT_EQ(convertedText("", "1"), std::nullopt);
}

TEST(UnitTable, MalformedRecordsAreRefused) {
  const char* malformed[] = {
      "line\t1米=1米\n",
      "category\t长度\nline\t1米=1米\t米\t米\n",
      "category\t长度\nline\t1米=1米\t米\t米\tone\n",
      "category\t长度\nline\t1米=1米\t\t米\t1\n",
      "category\t长度\nline\t1米=1米\nline\t1米=1米\n",
      "category\t长度\ncategory\t长度\n",
      "category\n",
      "row\t1米=1米\n",
  };
  for (const char* text : malformed) {
    EXPECT_THROW(parseUnitTable(text), std::invalid_argument) << text;
  }
  auto parsed = parseUnitTable("# comment\ncategory\t长度\nline\t1米=1米\t米\t米\t1\nline\t注\n");
  ASSERT_EQ(parsed.size(), 1u);
  ASSERT_EQ(parsed[0].lines.size(), 2u);
  EXPECT_EQ(parsed[0].lines[0].conversion->factor, 1.0);
  EXPECT_FALSE(parsed[0].lines[1].conversion);
}

}  // namespace
}  // namespace tolvar::units
