#include <gtest/gtest.h>

#include "framework/desktop.h"
#include "framework/testing/message_recording_host.h"
#include "tools/industry/coefficient_sheet.h"
#include "tools/industry/coefficient_sheet_windows.h"

namespace tolvar::industry {
namespace {

ToolRegistry sheetWindows() {
  ToolRegistry registry;
  registerCoefficientSheetWindows(registry);
  return registry;
}

class CoefficientSheets : public ::testing::Test {
 protected:
  CoefficientSheets() : desktop_(sheetWindows(), host_) {}
  Window& open(const char* title) { return *desktop_.show(title); }
  static std::string cell(const Window& w, const char* name) {
    return w.state("Sheet").sheet->shownText(*parseCellRef(name));
  }
  static void enter(Window& w, const char* name, const char* text) {
    ASSERT_TRUE(w.enterCell("Sheet", *parseCellRef(name), text));
  }
  MessageRecordingHost host_;
  Desktop desktop_;
};

struct SheetCase {
  const char* title;
  const char* worksheet;
  int rows;
  const char* quantityCell;
  const char* defaultQuantity;
};

TEST_F(CoefficientSheets, EveryWindowHoldsItsSheetWithTheQuantityWhereTheFormHasIt) {
  const SheetCase cases[] = {
      {"铜精矿污染物排放的计算", "铜精矿行业产排污量计算", 10, "C1", "1500"},
      {"粗铜行业", "粗铜行业", 12, "C1", "1500"},
      {"铜锭铜板铅管带", "铜锭铜板铜管行业产污量计算", 16, "C2", "15"},
      {"粗铅行业产排污量", "粗铅行业产排污量计算", 10, "C1", "1600"},
      {"粗锌行业污染物排放", "粗锌行业产排污量", 10, "C1", "200"},
      {"氧化铝", "氧化铝产排污量计算", 10, "C2", "300"},
      {"电解铝", "电解铝", 8, "C2", "150"},
      {"铝锭铝厚板", "铝锭铝厚板", 12, "C8", "300"},
      {"铝薄板铝箔", "铝薄板铝箔排污量计算", 12, "C8", "160"},
      {"铝铸件铝材", "铝铸件铝材行业", 12, "D8", "350"},
      {"镍行业", "镍行业产排污量计算", 13, "D2", "500"},
      {"碱法制浆行业", "碱法制浆行业产排污量计算", 7, "D2", "300"},
      {"纸袋纸、新闻纸、书写纸", "纸袋纸、新闻纸、书写纸行业产排污量计算", 7, "D2", "260"},
      {"酒精行业污染物", "酒精行业产排污量计算", 7, "D2", "800"},
      {"制革行业", "制革行业产排污量计算", 9, "D2", "1000"},
      {"绒线类", "Sheet1", 8, "E2", "3000"},
      {"毛精纺", "Sheet1", 8, "E2", "2500"},
      {"毛粗纺", "Sheet1", 8, "E2", "2300"},
      {"丝织类", "Sheet1", 8, "E2", "1500"},
      {"棉针织", "Sheet1", 8, "E2", "2500"},
      {"棉机织", "Sheet1", 8, "E2", "1000"},
      {"麻纺类", "Sheet1", 7, "E2", "2600"},
  };
  ASSERT_EQ(desktop_.registry().identities().size(), std::size(cases));
  for (const SheetCase& c : cases) {
    SCOPED_TRACE(c.title);
    Window& w = open(c.title);
    ASSERT_TRUE(w.state("Sheet").sheet);
    EXPECT_EQ(w.state("Sheet").sheet->name(), c.worksheet);
    EXPECT_EQ(w.state("Sheet").sheet->rows(), c.rows);
    EXPECT_EQ(cell(w, c.quantityCell), c.defaultQuantity);
    EXPECT_FALSE(w.state("Sheet").active);
    w.close();
  }
}

TEST_F(CoefficientSheets, AmountsAreTheCoefficientsTimesTheQuantity) {
  Window& concentrate = open("铜精矿污染物排放的计算");
  EXPECT_EQ(cell(concentrate, "A4"), "Cu");
  EXPECT_EQ(cell(concentrate, "E4"), "17670");
  EXPECT_EQ(cell(concentrate, "F4"), "1620");
  EXPECT_EQ(cell(concentrate, "B2"), "单位");

  Window& blister = open("粗铜行业");
  blister.click("Activate");
  enter(blister, "C1", "100");
  EXPECT_EQ(cell(blister, "A9"), "废水中Pb");
  EXPECT_EQ(cell(blister, "E9"), "82.94");
  EXPECT_EQ(cell(blister, "F9"), "16.79");
}

TEST_F(CoefficientSheets, EachBlockUsesItsOwnQuantity) {
  Window& w = open("铜锭铜板铅管带");
  w.click("Activate");
  const char* amounts[] = {"E4", "F6", "E9", "F11", "E14", "F16"};
  std::vector<std::string> before;
  for (const char* a : amounts) before.push_back(cell(w, a));
  EXPECT_EQ(before, (std::vector<std::string>{"11.4", "240", "233", "2580", "6663", "27300"}));
  enter(w, "C8", "10");
  std::vector<std::string> after;
  for (const char* a : amounts) after.push_back(cell(w, a));
  EXPECT_EQ(after, (std::vector<std::string>{"11.4", "240", "116.5", "1290", "6663", "27300"}));
}

TEST_F(CoefficientSheets, PhAndColourRowsDoNotScaleWithTheQuantity) {
  Window& w = open("丝织类");
  w.click("Activate");
  for (const char* quantity : {"1500", "1", "0"}) {
    SCOPED_TRACE(quantity);
    enter(w, "E2", quantity);
    EXPECT_EQ(cell(w, "A7"), "p H");
    EXPECT_EQ(cell(w, "E7"), "7.7");
    EXPECT_EQ(cell(w, "F7"), "7—8");
    EXPECT_EQ(cell(w, "E8"), "240");
    EXPECT_EQ(cell(w, "F8"), "35");
  }
  EXPECT_EQ(cell(w, "E4"), "0");
}

TEST_F(CoefficientSheets, ReopeningRestoresTheDefaults) {
  Window& first = open("麻纺类");
  first.click("Activate");
  enter(first, "E2", "1");
  EXPECT_EQ(cell(first, "E4"), "716");
  first.close();
  Window& again = open("麻纺类");
  EXPECT_FALSE(again.state("Sheet").active);
  EXPECT_EQ(cell(again, "E2"), "2600");
  EXPECT_EQ(cell(again, "E4"), "1861600");
  EXPECT_TRUE(host_.messages.empty());
}

TEST(CoefficientSheetFile, MalformedFilesAreRefusedWithTheirLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"title\t表\n", "without a worksheet name"},
      {"worksheet\t表\nworksheet\t表\n", "line 2"},
      {"worksheet\t表\namounts\t油\tKg\t1\t2\n", "before its block's quantity"},
      {"worksheet\t表\nquantity\t请输入\t\t\t\t\t吨\n", "without its quantity"},
      {"worksheet\t表\nquantity\t请输入\t5\n", "in C, D or E"},
      {"worksheet\t表\nquantity\t请输入\t\t5\t6\n", "the one number"},
      {"worksheet\t表\nquantity\t\t\t5\namounts\t油\tKg\t1\n", "not a sheet row"},
      {"worksheet\t表\nsum\tA1\n", "line 2: not a sheet row: sum"},
  };
  for (const auto& [text, why] : cases) {
    SCOPED_TRACE(text);
    try {
      parseCoefficientSheet(text);
      ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace tolvar::industry
