#include "tools/noise/jtg_highway_noise_window.h"

#include <gtest/gtest.h>

#include "framework/desktop.h"
#include "framework/testing/message_recording_host.h"

namespace tolvar::noise {
namespace {

ToolRegistry jtgOnly() {
  ToolRegistry registry;
  registerTool<JtgHighwayNoiseWindow>(registry, kJtgHighwayNoiseTitle);
  return registry;
}

// After the zero-speed message the user lands on the large-vehicle speed to correct it, and the
// report is written all the same.
TEST(JtgHighwayNoiseWindow, ZeroSpeedMessageMovesTheFocusToTheLargeVehicleSpeed) {
  MessageRecordingHost host;
  Desktop desktop(jtgOnly(), host);
  auto w = desktop.show(kJtgHighwayNoiseTitle);
  w->focus("Text2");
  w->click("Option2");
  w->click("Option1");
  w->click("Command1");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(w->focused(), "Text15");
  EXPECT_NE(w->text("RichTextBox1").find("预测点的预测结果值(dB)：NaN"), std::string::npos);

  w->setText("Text15", "80");
  w->setText("Text16", "90");
  w->setText("Text17", "110");
  w->focus("Text2");
  w->click("Command1");
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(w->focused(), "Text2");
  EXPECT_NE(w->text("RichTextBox1").find("预测点的预测结果值(dB)：72.14"), std::string::npos);
}

}  // namespace
}  // namespace tolvar::noise
