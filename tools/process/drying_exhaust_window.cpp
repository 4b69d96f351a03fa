#include "tools/process/drying_exhaust_window.h"

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/process/process_controls.h"

namespace tolvar::process {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kDryingExhaustTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "干燥废气的计算").spanningColumns());
  d.add(numericInput("Text1", "湿物料的初始重量（Kg）："));
  d.add(numericInput("Text2", "物料干燥前的湿度（%）："));
  d.add(numericInput("Text3", "物料干燥后的湿度（%）："));
  d.add(button("Command1", "计算"));
  d.add(result("Text4", "干燥工艺废气产生量（Kg）："));
  d.add(basisNote("process/drying_exhaust_basis.txt"));
  return d;
}

}  // namespace

DryingExhaustWindow::DryingExhaustWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    values_ = dryingExhaust({w.text("Text1"), w.text("Text2"), w.text("Text3")}, values_);
    w.setText("Text4", plainText(values_.vapour));
  });
}

}  // namespace tolvar::process
