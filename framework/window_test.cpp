#include "framework/window.h"

#include <gtest/gtest.h>

#include <deque>

#include "framework/desktop.h"
#include "framework/utf8.h"

namespace tolvar {
namespace {

class RecordingHost : public WindowHost {
 public:
  Answer ask(const MessageBox& box) override {
    messages.push_back(box.text);
    if (answers.empty()) return box.defaultAnswer;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void shown(Window& window, bool created) override {
    events.push_back((created ? "created " : "raised ") + window.title());
  }
  void closed(Window& window) override { events.push_back("closed " + window.title()); }
  bool launch(const LaunchRequest& request) override {
    events.push_back("launch " + request.target);
    return true;
  }

  std::vector<std::string> messages;
  std::vector<std::string> events;
  std::deque<Answer> answers;
};

// A counter window: "Count" adds one to a window-level value and shows it; "Copy" mirrors
// the text of "Source" whenever it changes, and the mirror's own change shows in "Shown".
class CounterTool : public Tool {
 public:
  CounterTool() : Tool(describe()) {
    on(Event::click, "Count", [this](Window& w) { w.setText("Shown", std::to_string(++count_)); });
    on(Event::change, "Source", [](Window& w) { w.setText("Mirror", w.text("Source")); });
    on(Event::change, "Mirror",
       [](Window& w) { w.setText("Shown", "mirrored " + w.text("Mirror")); });
    on(Event::change, "PingA", [](Window& w) { w.setText("PingB", w.text("PingB") + "b"); });
    on(Event::change, "PingB", [](Window& w) { w.setText("PingA", w.text("PingA") + "a"); });
    on(Event::click, "Close", [](Window& w) { w.close(); });
  }

 private:
  static WindowDescriptor describe() {
    WindowDescriptor d{"计数", {}};
    d.add(numericField("Number", "数值：", "12.5"));
    d.add(numericField("Caret", "光标：", "5").withoutSelectAll());
    d.add(textField("Source", "源：", ""));
    d.add(textField("Mirror", "镜像：", ""));
    d.add(resultField("Shown", "次数：", " "));
    d.add(textField("PingA", "A", ""));
    d.add(textField("PingB", "B", ""));
    d.add(frame("Frame1", "方式"));
    d.add(optionButton("Option1", "甲", true).in("Frame1"));
    d.add(optionButton("Option2", "乙").in("Frame1"));
    d.add(optionButton("Option3", "丙"));
    d.add(choiceList("Shape", "形状：", {"圆形", "矩形"}));
    d.add(button("Count", "计算"));
    d.add(button("Close", "关闭"));
    return d;
  }
  int count_ = 0;
};

class WindowModel : public ::testing::Test {
 protected:
  WindowModel() : desktop_(registry(), host_) {}
  static ToolRegistry registry() {
    ToolRegistry r;
    registerTool<CounterTool>(r, "计数");
    return r;
  }
  Window& open() { return *desktop_.show("计数"); }

  RecordingHost host_;
  Desktop desktop_;
};

struct KeystrokeCase {
  const char* start;
  std::size_t caret;
  char32_t key;
  const char* expectedText;
  const char* expectedMessage;  // empty when the key passes
};

TEST_F(WindowModel, NumericFieldFilterJudgesEachKeystroke) {
  const std::string refused = "数据输入错误,请检查是否在数值输入状态";
  const KeystrokeCase cases[] = {
      {"12.5", 4, U'.', "12.5", "数据输入错误,请检查输入"},
      {"12.5", 4, U'7', "12.57", ""},
      {"", 0, U'-', "-", ""},
      {"-", 1, U'-', "-", refused.c_str()},
      {"5", 1, U'-', "5", refused.c_str()},
      {"5", 0, U'-', "-5", ""},
      {"-5", 0, U'3', "3-5", ""},  // only the character is judged, not the resulting text
      {"12", 2, U'\b', "12", refused.c_str()},
      {"12", 2, U'\r', "12", refused.c_str()},
      {"12", 2, U'\x1b', "12", refused.c_str()},
      {"12", 2, U'\x16', "12", refused.c_str()},  // Ctrl+V
      {"12", 2, U'a', "12", refused.c_str()},
      {"12", 2, U'１', "12", refused.c_str()},  // full-width digit
      {"12", 2, U' ', "12", refused.c_str()},
      {"12", 2, U'e', "12", refused.c_str()},
      {"12", 2, U'+', "12", refused.c_str()},
      {"12", 2, U',', "12", refused.c_str()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " + key " + std::to_string(c.key));
    host_.messages.clear();
    Window& w = open();
    w.edit("Number", c.start);
    w.select("Number", c.caret, 0);
    w.type("Number", c.key);
    EXPECT_EQ(w.text("Number"), c.expectedText);
    if (*c.expectedMessage) {
      EXPECT_EQ(host_.messages, std::vector<std::string>{c.expectedMessage});
    } else {
      EXPECT_TRUE(host_.messages.empty());
    }
  }
}

TEST_F(WindowModel, APointInsideTheSelectionStillCounts) {
  Window& w = open();
  w.focus("Number");  // "12.5" all selected
  w.type("Number", U'.');
  EXPECT_EQ(w.text("Number"), "12.5");
  EXPECT_EQ(host_.messages.size(), 1u);
}

// A field locked by a handler hears its keys (the keystroke event fires) but keeps its text.
TEST_F(WindowModel, TypingIntoALockedFieldChangesNothing) {
  Window& w = open();
  w.setText("Source", "12");
  w.setReadOnly("Source", true);
  w.focus("Source");
  for (char32_t key : {U'3', U'\b', U'x'}) w.type("Source", key);
  EXPECT_EQ(w.text("Source"), "12");
  w.setReadOnly("Source", false);
  w.select("Source", 2, 0);
  w.type("Source", U'3');
  EXPECT_EQ(w.text("Source"), "123");
}

TEST_F(WindowModel, FocusSelectsAllSoTheNextDigitReplacesTheText) {
  Window& w = open();
  w.edit("Number", "75");
  w.focus("Number");
  EXPECT_EQ(w.state("Number").selectionStart, 0u);
  EXPECT_EQ(w.state("Number").selectionLength, 2u);
  w.type("Number", U'8');
  EXPECT_EQ(w.text("Number"), "8");
  // Some numeric fields filter keys but keep the caret where it was.
  w.select("Caret", 1, 0);
  w.focus("Caret");
  EXPECT_EQ(w.state("Caret").selectionLength, 0u);
  w.type("Caret", U'x');
  EXPECT_EQ(host_.messages.size(), 1u);
  // Plain text fields neither select on focus nor filter.
  w.edit("Source", "ab");
  w.focus("Source");
  EXPECT_EQ(w.state("Source").selectionLength, 0u);
  w.type("Source", U'x');
  w.type("Source", U'\b');
  w.type("Source", U'\b');
  EXPECT_EQ(w.text("Source"), "a");
}

TEST_F(WindowModel, ChoosingAnItemLeavesTheCaretAtTheEndOfTheChosenText) {
  struct Case {
    const char* typedBefore;  // the list's text before the item is chosen
    const char* keys;
    const char* expected;
  };
  const Case cases[] = {
      {"1234567", "1", "圆形1"},          // the old caret lay past the end of the new text
      {"1", "1", "圆形1"},                // the old caret lay inside a Chinese character
      {"12345678901234567", "\b", "圆"},  // Backspace searched back from past the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typedBefore);
    Window& w = open();
    w.edit("Shape", c.typedBefore);
    w.choose("Shape", 0);
    for (char32_t key : utf8::decode(c.keys)) w.type("Shape", key);
    EXPECT_EQ(w.text("Shape"), c.expected);
    EXPECT_EQ(w.state("Shape").selectionStart, w.text("Shape").size());
    w.close();
  }
}

TEST_F(WindowModel, NoPathStoresATextThatIsNotUtf8) {
  Window& w = open();
  const std::string broken = "a\xE5\x9C";  // "a" and a cut-off Chinese character
  w.edit("Source", broken);
  EXPECT_EQ(w.text("Source"), "a\uFFFD");
  w.setText("Shown", "\xFF");
  EXPECT_EQ(w.text("Shown"), "\uFFFD");
  w.setItems("Shape", {broken});
  w.choose("Shape", 0);
  EXPECT_TRUE(utf8::isValid(w.text("Shape")));
  // A selection whose ends fall inside characters keeps to the boundaries before them.
  w.edit("Source", "圆形x");
  w.select("Source", 1, 3);
  EXPECT_EQ(w.state("Source").selectionStart, 0u);
  EXPECT_EQ(w.state("Source").selectionLength, 3u);
  w.type("Source", U'y');
  EXPECT_EQ(w.text("Source"), "y形x");
  w.type("Source", char32_t{0xD800});  // a lone surrogate is no character and inserts nothing
  EXPECT_EQ(w.text("Source"), "y形x");
}

TEST_F(WindowModel, AHandlersTextChangeFiresTheChangeEvent) {
  Window& w = open();
  w.edit("Source", "42");
  EXPECT_EQ(w.text("Mirror"), "42");
  EXPECT_EQ(w.text("Shown"), "mirrored 42");
}

TEST_F(WindowModel, MutuallyTriggeringHandlersStopInsteadOfOverflowing) {
  Window& w = open();
  w.edit("PingA", "x");
  EXPECT_GT(w.text("PingB").size(), 10u);
}

TEST_F(WindowModel, OptionButtonsOfOneFrameExcludeEachOther) {
  Window& w = open();
  w.click("Option2");
  EXPECT_FALSE(w.state("Option1").checked);
  EXPECT_TRUE(w.state("Option2").checked);
  w.click("Option3");  // another container
  EXPECT_TRUE(w.state("Option2").checked);
}

TEST_F(WindowModel, WindowLevelValuesSurviveReopeningButTextsDoNot) {
  Window& first = open();
  first.edit("Source", "typed");
  first.click("Count");
  first.click("Count");
  EXPECT_EQ(first.text("Shown"), "2");
  first.close();
  Window& second = open();
  EXPECT_EQ(second.text("Shown"), " ");
  EXPECT_EQ(second.text("Source"), "");
  second.click("Count");
  EXPECT_EQ(second.text("Shown"), "3");
  EXPECT_EQ(host_.events,
            (std::vector<std::string>{"created 计数", "closed 计数", "created 计数"}));
}

TEST_F(WindowModel, AnOpenWindowIsBroughtForwardWithItsTexts) {
  Window& w = open();
  w.edit("Source", "kept");
  Window& again = open();
  EXPECT_EQ(&w, &again);
  EXPECT_EQ(again.text("Source"), "kept");
  EXPECT_EQ(host_.events, (std::vector<std::string>{"created 计数", "raised 计数"}));
  EXPECT_EQ(desktop_.show("没有这个窗口"), nullptr);
  EXPECT_EQ(desktop_.openWindows().size(), 1u);
}

TEST_F(WindowModel, AHandlerMayCloseItsOwnWindow) {
  Window& w = open();
  w.click("Close");
  EXPECT_EQ(desktop_.find("计数"), nullptr);
}

}  // namespace
}  // namespace tolvar
