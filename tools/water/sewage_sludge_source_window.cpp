#include "tools/water/sewage_sludge_source_window.h"

#include <string>

#include "framework/embedded_data.h"

namespace tolvar::water {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kSewageSludgeSourceTitle, {}};
  d.add(label("Label1", "计算依据：《环境统计报表填报指南》P82"));
  d.add(richText("RichTextBox1", std::string(embeddedData("water/sewage_sludge_source.html"))));
  return d;
}

}  // namespace

SewageSludgeSourceWindow::SewageSludgeSourceWindow() : Tool(describe()) {}

}  // namespace tolvar::water
