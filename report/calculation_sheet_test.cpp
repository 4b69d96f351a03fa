#include "report/calculation_sheet.h"

#include <gtest/gtest.h>

#include <functional>

#include "framework/desktop.h"
#include "framework/testing/message_recording_host.h"
#include "report/sheet_text.h"
#include "tools/all_tools.h"

namespace tolvar {
namespace {

constexpr const char* kWhen = "2026-12-10 10:00";
const std::string kFooter = "Tolvar环评工具箱升级版 " TOLVAR_VERSION_TEXT "  2026-12-10 10:00\n";

class CalculationSheetTest : public ::testing::Test {
 protected:
  Window& open(const std::string& title) {
    auto window = desktop_.show(title);
    if (!window) throw std::invalid_argument("no window " + title);
    return *window;
  }

  MessageRecordingHost host_;
  Desktop desktop_{allTools(), host_};
};

void choose(Window& w, const std::string& list, const std::string& item) {
  const auto& items = w.state(list).items;
  w.choose(list, static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin()));
}

struct SheetCase {
  const char* what;
  const char* window;
  std::function<void(Window&)> act;
  std::string expected;  // the plain text without its footer
};

// One window of each kind, as a user leaves it; every figure is the text the window shows.
TEST_F(CalculationSheetTest, SheetsOfWindowsOfEveryKind) {
  const SheetCase cases[] = {
      {"calculator with choice lists", "卫生防护距离计算工具",
       [](Window& w) {
         choose(w, "Combo1", "大于4");
         choose(w, "Combo4", "有");
         choose(w, "Combo2", "大于允许1/3");
         w.click("Command1");
       },
       "卫生防护距离计算工具\n卫生防护距离计算\n输入参数\n无组织排放量Kg/h）\t0.005\n"
       "标准浓度限值（mg/M3）\t0.03\n生产单元占地面积（M2）\t200\n请选择风速（m/s）\t大于4\n"
       "排放同种有害气体的排气筒\t有\n排气筒的污染物排放量\t大于允许1/3\n计算结果\n"
       "卫生防护距离(米)\t29.16057\n计算依据\n说明\n"
       "防护距离在1000米以上，程序会自动试算，后重新选取ABCD值，后再计算！\n"
       "与对照程序相比，1000米以内的结果相差不超过0.05米，1000米以上相差不超过10米，"
       "差别来自逐步累加的计算方法，而非参数的选取。\n"},
      {"calculator with an option group captioned by a label; a masked result kept as shown",
       "固定顶罐的呼吸排放量和工作排放量",
       [](Window& w) {
         w.click("Option2");
         w.edit("Text3", "10");
         w.edit("Text7", "0.9");
         w.edit("Text10", "12");
         w.edit("Text9", "1");
         w.click("Command1");
       },
       "固定顶罐的呼吸排放量和工作排放量\n固定顶罐的呼吸排放量和工作排放量的计算\n输入参数\n"
       "请选择贮罐贮存的有机溶液的种类\t其他有机液体\nM-储罐内蒸气的分子量\t150\n"
       "P-在大量液体状态下，真实的蒸气压力（Pa）\t10100\nD-罐的直径（m）\t10\n"
       "H-平均蒸气空间高度（m）\t0.3\n△T-一天之内的平均温度差（℃）\t15\n"
       "FP-涂层因子（无量纲）\t1.25\nC-用于小直径罐的调节因子（无量纲）\t0.9\nKC-产品因子\t1\n"
       "K-固顶贮罐年周转次数（次）\t12\nKN-周转因子（无量纲）\t1\n计算结果\n"
       "LB-固定顶罐的呼吸排放量（Kg/a）\t711.63564\n"
       "LW-固定顶罐的工作损失（Kg/m3投入量）\t.634482\n计算依据\n说明\n"
       "储存有机液体的基本罐型有固定顶罐、浮顶罐、可变蒸气空间罐和压力罐等五种，"
       "而固定顶罐是一种最普通的罐型，在国内最常被使用，是储存有机液体的普通罐型，"
       "一般认为是最低的接受水平，特别是在加油站和石油库用于储存汽油和柴油。\n"},
      {"tab strip: only the chosen page, named under the heading", "风险评价蒸发量",
       [](Window& w) {
         w.choosePage("TabStrip1", 1);
         choose(w, "Combo1", "土地");
       },
       "风险评价蒸发量\n蒸发量的计算\n热量蒸发\n输入参数\n环境温度，k\t300\n沸点温度；k\t275\n"
       "液池面积，m2\t10\n液体气化热，J/kg\t12000\n请选择地面类型\t土地\n蒸发时间，s\t20\n"
       "计算结果\n热量蒸发速度，kg/s\t3.608172\n说明\n"
       "有许多人反应风险评价导则质量蒸发公式错误，但由于风险评价导则未正式修改，"
       "所以此处质量蒸发仍采用风险评价导则上的公式进行计算！"
       "可以试用大气工具箱之露天堆放有害物质散放量公式进行质量蒸发计算！\n"},
      {"reference table with its source line", "锅炉烟气量产生系数", [](Window&) {},
       "锅炉烟气量产生系数\n表 5-2-6 锅炉每吨蒸汽所产生的烟气量（米3/时.吨）\n"
       "锅炉类型\t烟气量（米3/时.吨）\n层燃锅炉\t1483\n沸腾锅炉\t1483\n煤粉锅炉\t1362\n"
       "燃油锅炉\t1362\n说明\n来源：《环境统计报表填报指南》P114表5-2-6\n"},
      {"fields without captions named by their column and the field level with them", "COD转换BOD",
       [](Window& w) {
         w.edit("Text1", "100");
         w.edit("Text8", "250");
       },
       "COD转换BOD\n常见几种类型的废水COD与BOD的转换\n输入参数\n机械废水\t100\n冷却废水\n"
       "制药废水\n纺织印染废水\n食品加工废水\n饮食废水\n医院废水\n生活污水\t250\n计算结果\n"
       "机械废水 BOD5\t29.12\n冷却废水 BOD5\n制药废水 BOD5\n纺织印染废水 BOD5\n"
       "食品加工废水 BOD5\n饮食废水 BOD5\n医院废水 BOD5\n生活污水 BOD5\t138.52\n计算依据\n"
       "说明：COD与BOD5无必然联系，但是却也有一定的规律可循：1机械废水、 2冷却废水、"
       "3制药废水、4纺织印染废水、5食品加工废水、6饮食废水、 7医院废水、8生活污水，"
       "八种废水中各自的 BOD5与 CODcr(x)线性关系密切 ，据此可以由该类污染物的COD折算BOD5，"
       "此处折算有经验算法，折算出的BOD5可供参考！\n"},
      {"catalogue search: the edition notice under the title, the written result a result, the "
       "catalogue's gap a remark",
       "危险废物名录查询",
       [](Window& w) {
         choose(w, "Combo1", "HW06");
         w.click("Command1");
       },
       "危险废物名录查询\n"
       "本窗口查询的1998年名录已于2008年8月1日废止；现行《国家危险废物名录（2025年版）》"
       "自2025年1月1日起施行。\n输入参数\n按危废编号查询\tHW06\n计算结果\n\tHW06 "
       "有机溶剂废物\nHW06\n"
       "有机溶剂废物\n（本机未收录此类的来源和组分，请查阅名录原文）\n说明\n"
       "注意：本机所存名录不完整（完整收录 0/47 "
       "类），未收录的行请查阅《国家危险废物名录》原文。\n"},
      {"embedded worksheet: its rows as the sheet shows them", "氧化铝", [](Window&) {},
       "氧化铝\n氧化铝行业污染物排放的计算\n氧化铝产排污量计算\t\t\t\t\t\n"
       "请输入原（产）品量\t\t300\t\t吨\t\n污染物名称\t单位\t产污系数\t排污系数\t产污量\t排污量\n"
       "废气\tNm3/t-氧化铝\t12063.87\t14973\t3619161\t4491900\n"
       "粉尘\tKg/t-氧化铝\t1650.7\t7.08\t495210\t2124\n"
       "废水量\tM3/t-氧化铝\t28.58\t20.83\t8574\t6249\n碱\tKg/t-氧化铝\t22.5\t22.5\t6750\t6750\n"
       "SS\tKg/t-氧化铝\t16.5\t10.21\t4950\t3063\n石油类\tKg/t-氧化铝\t0.044\t0.044\t13.2\t13.2\n"
       "赤泥\tKg/t-氧化铝\t1430.3\t1430.3\t429090\t429090\n"},
  };
  for (const SheetCase& c : cases) {
    SCOPED_TRACE(c.what);
    Window& w = open(c.window);
    c.act(w);
    EXPECT_EQ(sheetPlainText(calculationSheet(w, kWhen)), c.expected + kFooter);
    w.close();
  }
}

// A search-like window: the chosen entry of its tree is the input, its text the content.
TEST_F(CalculationSheetTest, TreeAndRichTextWindowGivesChosenEntryAndItsText) {
  Window& w = open("帮助内容");
  w.choose("TreeView1", 2);
  CalculationSheet sheet = calculationSheet(w, kWhen);
  ASSERT_GE(sheet.rows.size(), 6u);
  EXPECT_EQ(sheet.rows[1], (SheetRow{SheetRow::Kind::section, {"输入参数"}}));
  EXPECT_EQ(sheet.rows[2],
            (SheetRow{SheetRow::Kind::field, {"帮助目录", w.state("TreeView1").items[2]}}));
  EXPECT_EQ(sheet.rows[3], (SheetRow{SheetRow::Kind::section, {"计算结果"}}));
  EXPECT_EQ(sheet.rows[4], (SheetRow{SheetRow::Kind::richText, {w.text("RichTextBox1")}}));
}

// Every field a window shows at opening is in its sheet with the window's own text and unit.
TEST_F(CalculationSheetTest, EveryShownFieldOfEveryWindowIsInItsSheetAsShown) {
  for (const std::string& title : desktop_.registry().identities()) {
    SCOPED_TRACE(title);
    Window& w = open(title);
    CalculationSheet sheet = calculationSheet(w, kWhen);
    EXPECT_EQ(sheet.rows.front(), (SheetRow{SheetRow::Kind::title, {title}}));
    EXPECT_EQ(sheet.rows.back().kind, SheetRow::Kind::footer);
    for (const Control& c : w.descriptor().controls) {
      bool lineField = c.kind == ControlKind::textField || c.kind == ControlKind::numericField ||
                       c.kind == ControlKind::resultField;
      const Control* parent = w.descriptor().find(c.parent);
      bool shown = w.state(c.name).visible && (parent == nullptr || w.state(c.parent).visible);
      if (!lineField || !shown || c.caption.empty()) continue;
      SheetRow row{SheetRow::Kind::field, {sheetCaption(c.caption), w.text(c.name), c.unit}};
      EXPECT_NE(std::find(sheet.rows.begin(), sheet.rows.end(), row), sheet.rows.end()) << c.name;
    }
    w.close();
  }
}

TEST(SheetCaption, LosesTrailingColonOrEqualsSign) {
  const std::pair<const char*, const char*> cases[] = {
      {"B--耗煤量，T：", "B--耗煤量，T"},
      {"液体表面蒸气压，Pa:", "液体表面蒸气压，Pa"},
      {"叠加结果=", "叠加结果"},
      {"干污泥产生量（Kg/日）= ", "干污泥产生量（Kg/日）"},
      {"差[dB]", "差[dB]"},
      {"：在前", "：在前"},
      {"", ""},
  };
  for (const auto& [caption, expected] : cases) EXPECT_EQ(sheetCaption(caption), expected);
}

}  // namespace
}  // namespace tolvar
