#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/window.h"

namespace tolvar {
namespace {

class QuietContext : public WindowContext {
 public:
  Answer ask(const MessageBox&) override { return Answer::ok; }
  void open(std::string_view) override {}
  void close(std::string_view) override {}
  bool launch(const LaunchRequest&) override { return true; }
};

// "Print" draws the field's text as a line on the window; every change event is counted.
class PrintingTool : public Tool {
 public:
  PrintingTool() : Tool(describe()) {
    on(Event::click, "Print", [](Window& w) { w.drawLine("DrawnText", w.text("Text1")); });
    on(Event::change, "DrawnText", [this](Window&) { ++changes; });
  }
  int changes = 0;

 private:
  static WindowDescriptor describe() {
    WindowDescriptor d{"打印", {}};
    d.add(textField("Text1", "内容：", ""));
    d.add(button("Print", "打印"));
    d.add(drawnText("DrawnText", ""));
    return d;
  }
};

TEST(DrawnText, LinesGoOneBelowTheOtherWithoutAChangeEvent) {
  PrintingTool tool;
  QuietContext context;
  auto window = std::make_shared<Window>(tool, context);
  std::vector<ControlChange> seen;
  window->setObserver([&](const std::string& control, ControlChange change) {
    if (control == "DrawnText") seen.push_back(change);
  });
  for (const char* line : {"", "q=1.5", "q=2"}) {
    window->edit("Text1", line);
    window->click("Print");
  }
  EXPECT_EQ(window->state("DrawnText").items, (std::vector<std::string>{"", "q=1.5", "q=2"}));
  EXPECT_EQ(window->text("DrawnText"), "\nq=1.5\nq=2");
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(tool.changes, 0);
  EXPECT_THROW(window->drawLine("Text1", "q=3"), std::logic_error);
}

}  // namespace
}  // namespace tolvar
