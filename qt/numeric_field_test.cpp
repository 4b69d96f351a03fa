#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "framework/desktop.h"
#include "framework/testing/message_recording_host.h"
#include "qt/window_renderer.h"

namespace tolvar::qt {
namespace {

class FieldTool : public Tool {
 public:
  FieldTool() : Tool(describe()) {}

 private:
  static WindowDescriptor describe() {
    WindowDescriptor d{"输入", {}};
    d.add(numericField("Text1", "数值：", "12.5"));
    d.add(textField("Text2", "文字：", "ab"));
    return d;
  }
};

class NumericFieldWidget : public ::testing::Test {
 protected:
  NumericFieldWidget() : desktop_(registry(), host_) {
    window_ = desktop_.show("输入");
    renderer_ = new WindowRenderer(window_, &container_);
    container_.show();
    container_.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&container_));
    number_ = container_.findChild<QLineEdit*>("Text1");
    text_ = container_.findChild<QLineEdit*>("Text2");
    number_->setFocus();
    number_->deselect();
    number_->setCursorPosition(static_cast<int>(number_->text().size()));
  }
  static ToolRegistry registry() {
    ToolRegistry r;
    registerTool<FieldTool>(r, "输入");
    return r;
  }

  MessageRecordingHost host_;
  Desktop desktop_;
  std::shared_ptr<Window> window_;
  QWidget container_;
  WindowRenderer* renderer_ = nullptr;
  QLineEdit* number_ = nullptr;
  QLineEdit* text_ = nullptr;
};

const std::string kNotNumeric = "数据输入错误,请检查是否在数值输入状态";

TEST_F(NumericFieldWidget, RealKeysGoThroughTheFilter) {
  QTest::keyClick(number_, Qt::Key_Period);
  QTest::keyClick(number_, Qt::Key_7);
  EXPECT_EQ(number_->text(), "12.57");
  EXPECT_EQ(window_->text("Text1"), "12.57");
  EXPECT_EQ(host_.messages, std::vector<std::string>{"数据输入错误,请检查输入"});
}

TEST_F(NumericFieldWidget, ControlKeysReachTheFilterAsCharactersAndAreRefused) {
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Return, Qt::NoModifier},
      {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Escape, Qt::NoModifier},
      {Qt::Key_C, Qt::ControlModifier},    {Qt::Key_X, Qt::ControlModifier},
      {Qt::Key_V, Qt::ControlModifier},    {Qt::Key_Z, Qt::ControlModifier},
      {Qt::Key_A, Qt::NoModifier},         {Qt::Key_Space, Qt::NoModifier},
  };
  for (const auto& [key, modifiers] : keys) QTest::keyClick(number_, key, modifiers);
  EXPECT_EQ(number_->text(), "12.5");
  EXPECT_EQ(host_.messages, std::vector<std::string>(std::size(keys), kNotNumeric));
}

TEST_F(NumericFieldWidget, DeleteAndContextMenuPasteBypassTheFilter) {
  number_->setCursorPosition(0);
  QTest::keyClick(number_, Qt::Key_Delete);
  EXPECT_EQ(window_->text("Text1"), "2.5");
  QApplication::clipboard()->setText("x,y");
  number_->selectAll();
  number_->paste();
  EXPECT_EQ(window_->text("Text1"), "x,y");
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(NumericFieldWidget, FocusSelectsAllSoADigitReplacesTheText) {
  text_->setFocus();
  number_->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(number_->selectedText(), "12.5");
  QTest::keyClick(number_, Qt::Key_8);
  EXPECT_EQ(window_->text("Text1"), "8");
}

TEST_F(NumericFieldWidget, PlainTextFieldsTakeAnyKey) {
  text_->setFocus();
  QApplication::processEvents();
  text_->end(false);
  QTest::keyClicks(text_, "c.-");
  QTest::keyClick(text_, Qt::Key_Backspace);
  EXPECT_EQ(window_->text("Text2"), "abc.");
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(NumericFieldWidget, HandlerChangesReachTheWidget) {
  window_->setText("Text2", "由程序写入");
  EXPECT_EQ(text_->text(), QString::fromUtf8("由程序写入"));
  window_->setVisible("Text2", false);
  EXPECT_FALSE(text_->isVisible());
}

}  // namespace
}  // namespace tolvar::qt
