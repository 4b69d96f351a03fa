#include "tools/process/dolomite_kiln_window.h"

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/process/process_controls.h"

namespace tolvar::process {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kDolomiteKilnTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "白云石窑废气量的计算").spanningColumns());
  d.add(numericInput("Text1", "白云石窑年产熟白云石量(t)："));
  d.add(numericInput("Text2", "生产1吨白云石耗燃料量(kg)："));
  d.add(numericInput("Text3", "燃料炭含量（%）："));
  d.add(numericInput("Text4", "白云石中氧化镁含量（%）："));
  d.add(numericInput("Text5", "窑气中CO2所占体积百分数（%）："));
  d.add(numericInput("Text6", "白云石中氧化钙的含量（%）："));
  d.add(button("Command1", "计算"));
  d.add(result("Text7", "白云石窑全年排放废气量=").withUnit("标立方米"));
  d.add(basisNote("process/dolomite_kiln_basis.txt"));
  return d;
}

}  // namespace

DolomiteKilnWindow::DolomiteKilnWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    values_ = dolomiteKilnExhaust({w.text("Text1"), w.text("Text2"), w.text("Text3"),
                                   w.text("Text4"), w.text("Text5"), w.text("Text6")},
                                  values_);
    w.setText("Text7", plainText(values_.exhaust));
  });
}

}  // namespace tolvar::process
