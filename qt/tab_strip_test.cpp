#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTabWidget>
#include <QWidget>

#include "framework/desktop.h"
#include "framework/testing/message_recording_host.h"
#include "qt/window_renderer.h"

namespace tolvar::qt {
namespace {

// Two pages; choosing a page writes its number into the field of the first page.
class PagesTool : public Tool {
 public:
  PagesTool() : Tool(describe()) {
    on(Event::click, "TabStrip1",
       [](Window& w) { w.setText("Chosen", std::to_string(w.state("TabStrip1").currentPage)); });
  }

 private:
  static WindowDescriptor describe() {
    WindowDescriptor d{"分页", {}};
    d.add(tabStrip("TabStrip1", {"甲", "乙"}).withTooltip("乙页说明"));
    d.add(textField("Chosen", "页：", "").in("TabStrip1", 0));
    d.add(textField("Other", "乙：", "").in("TabStrip1", 1));
    return d;
  }
};

TEST(TabStripWidget, PagesHoldTheirControlsAndReportTheUsersChoiceOnly) {
  MessageRecordingHost host;
  ToolRegistry registry;
  registerTool<PagesTool>(registry, "分页");
  Desktop desktop(std::move(registry), host);
  auto window = desktop.show("分页");
  QWidget container;
  new WindowRenderer(window, &container);
  auto* tabs = container.findChild<QTabWidget*>("TabStrip1");
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabToolTip(1), QString::fromUtf8("乙页说明"));
  EXPECT_EQ(window->text("Chosen"), "");  // building the pages chose nothing
  EXPECT_TRUE(tabs->widget(1)->isAncestorOf(container.findChild<QLineEdit*>("Other")));
  tabs->setCurrentIndex(1);
  EXPECT_EQ(window->state("TabStrip1").currentPage, 1);
  EXPECT_EQ(window->text("Chosen"), "1");
  window->choosePage("TabStrip1", 0);
  EXPECT_EQ(tabs->currentIndex(), 0);
}

}  // namespace
}  // namespace tolvar::qt
