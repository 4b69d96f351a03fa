#include "tools/storage/fixed_roof_tank_source_window.h"

#include <string>

#include "framework/embedded_data.h"

namespace tolvar::storage {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kFixedRoofTankSourceTitle, {}};
  d.add(frame("Frame1", "固顶贮罐呼吸排放量和工作排放量资料原文："));
  d.add(richText("RichTextBox1", std::string(embeddedData("storage/fixed_roof_tank_source.html")))
            .in("Frame1"));
  return d;
}

}  // namespace

FixedRoofTankSourceWindow::FixedRoofTankSourceWindow() : Tool(describe()) {}

}  // namespace tolvar::storage
