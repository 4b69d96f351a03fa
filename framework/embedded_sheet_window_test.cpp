#include "framework/embedded_sheet_window.h"

#include <gtest/gtest.h>

#include "framework/desktop.h"
#include "framework/testing/message_recording_host.h"

namespace tolvar {
namespace {

Worksheet product() {
  Worksheet sheet("积", 1, 3);
  sheet.setNumber({0, 0}, 2);
  sheet.setNumber({0, 1}, 3);
  sheet.setFormula({0, 2}, {{0, 0}, {0, 1}});
  return sheet;
}

const EmbeddedSheetLayout kLayout =
    embeddedSheetLayoutFromTwips(8010, 4245, {600, 720, 6975, 2415}, 2160, 3480, 4560, 3480);

ToolRegistry registry() {
  ToolRegistry r;
  r.add("表", [] {
    return std::make_unique<EmbeddedSheetWindow>(EmbeddedSheetTexts{"表"}, kLayout, product());
  });
  r.add("文", [] {
    EmbeddedSheetTexts texts{"文", "", "激活（复原）查看", "关闭WORD"};
    return std::make_unique<EmbeddedSheetWindow>(texts, kLayout, product(), true);
  });
  r.add("坏", [] {
    return std::make_unique<EmbeddedSheetWindow>(EmbeddedSheetTexts{"坏"}, kLayout, std::nullopt);
  });
  return r;
}

class EmbeddedSheet : public ::testing::Test {
 protected:
  EmbeddedSheet() : desktop_(registry(), host_) {}
  std::string shown(Window& w, const char* cell) {
    return w.state("Sheet").sheet->shownText(*parseCellRef(cell));
  }
  MessageRecordingHost host_;
  Desktop desktop_;
};

TEST_F(EmbeddedSheet, EditableOnlyWhileActiveAndKeptAfterClosingTheSheet) {
  Window& w = *desktop_.show("表");
  EXPECT_FALSE(w.state("Sheet").active);
  EXPECT_FALSE(w.enterCell("Sheet", {0, 0}, "5"));
  EXPECT_EQ(shown(w, "C1"), "6");
  w.click("Activate");
  w.click("Activate");  // a second press leaves it active
  EXPECT_TRUE(w.state("Sheet").active);
  EXPECT_TRUE(w.enterCell("Sheet", {0, 0}, "5"));
  EXPECT_FALSE(w.enterCell("Sheet", {4, 0}, "5"));  // outside the sheet
  EXPECT_EQ(shown(w, "C1"), "15");
  w.click("Close");
  EXPECT_FALSE(w.state("Sheet").active);
  EXPECT_EQ(shown(w, "C1"), "15");
  EXPECT_FALSE(w.enterCell("Sheet", {0, 0}, "7"));
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(EmbeddedSheet, EveryOpeningStartsFromTheStoredSheet) {
  Window& first = *desktop_.show("表");
  first.click("Activate");
  first.enterCell("Sheet", {0, 1}, "10");
  first.close();
  Window& again = *desktop_.show("表");
  EXPECT_FALSE(again.state("Sheet").active);
  EXPECT_EQ(shown(again, "B1"), "3");
  EXPECT_EQ(shown(again, "C1"), "6");
}

TEST_F(EmbeddedSheet, AReadOnlySheetActivatesButRefusesEdits) {
  Window& w = *desktop_.show("文");
  EXPECT_EQ(w.state("Activate").caption, "激活（复原）查看");
  EXPECT_EQ(w.state("Close").caption, "关闭WORD");
  w.click("Activate");
  EXPECT_TRUE(w.state("Sheet").active);
  EXPECT_FALSE(w.enterCell("Sheet", {0, 0}, "5"));
  EXPECT_EQ(shown(w, "A1"), "2");
}

TEST_F(EmbeddedSheet, ASheetThatFailedToLoadSaysSoAndStaysInactive) {
  Window& w = *desktop_.show("坏");
  w.click("Activate");
  EXPECT_EQ(host_.messages,
            std::vector<std::string>{"你的电脑上未装EXCEL，请装入以后，才能使用！"});
  EXPECT_FALSE(w.state("Sheet").active);
}

TEST(EmbeddedSheetLayout, TwipsBecomePixels) {
  EXPECT_EQ(kLayout.clientWidth, 534);
  EXPECT_EQ(kLayout.clientHeight, 283);
  EXPECT_EQ(kLayout.box, (Bounds{40, 48, 465, 161}));
  EXPECT_EQ(kLayout.activateButton, (Bounds{144, 232, 119, 25}));
  EXPECT_EQ(kLayout.closeButton, (Bounds{304, 232, 105, 25}));
}

}  // namespace
}  // namespace tolvar
