#include "tools/process/lime_kiln_exhaust_window.h"

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/process/process_controls.h"

namespace tolvar::process {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kLimeKilnExhaustTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "石灰窑废气量的计算").spanningColumns());
  d.add(numericInput("Text1", "石灰窑年产量(t)："));
  d.add(numericInput("Text2", "生产1吨石灰耗燃料量(kg)："));
  d.add(numericInput("Text3", "燃料炭含量（%）："));
  d.add(numericInput("Text4", "废气回收利用率（%）："));
  d.add(numericInput("Text5", "窑气中CO2所占体积百分数（%）："));
  d.add(button("Command1", "计算"));
  d.add(result("Text6", "石灰窑全年排放废气量=").withUnit("标立方米"));
  d.add(basisNote("process/lime_kiln_exhaust_basis.txt"));
  return d;
}

}  // namespace

LimeKilnExhaustWindow::LimeKilnExhaustWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    values_ = limeKilnExhaust(
        {w.text("Text1"), w.text("Text2"), w.text("Text3"), w.text("Text4"), w.text("Text5")},
        values_);
    w.setText("Text6", plainText(values_.exhaust));
  });
}

}  // namespace tolvar::process
