#include "tools/noise/jtj_highway_noise_help_window.h"

#include <string>

#include "framework/embedded_data.h"

namespace tolvar::noise {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kJtjHighwayNoiseHelpTitle, {}};
  d.add(heading("Label1", "公路噪声预测帮助文档"));
  d.add(richText("RichTextBox1", std::string(embeddedData("noise/jtj_highway_noise_help.html"))));
  return d;
}

}  // namespace

JtjHighwayNoiseHelpWindow::JtjHighwayNoiseHelpWindow() : Tool(describe()) {}

}  // namespace tolvar::noise
