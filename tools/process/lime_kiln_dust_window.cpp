#include "tools/process/lime_kiln_dust_window.h"

#include <string>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/process/lime_kiln.h"
#include "tools/process/process_controls.h"

namespace tolvar::process {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kLimeKilnDustTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "石灰窑粉尘排放量的计算").spanningColumns());
  d.add(choiceList("Combo1", "请选择石灰窑的类型：",
                   {std::string(kRotaryKiln), std::string(kShaftKiln)}, false));
  d.add(input("Text1", "请输入不同窑型排放系数：", "10"));
  d.add(input("Text2", "请输入产量（T）：", "100"));
  d.add(button("Command1", "计算"));
  d.add(result("Text3", "粉尘排放量（T）="));
  d.add(basisNote("process/lime_kiln_dust_basis.txt"));
  return d;
}

}  // namespace

LimeKilnDustWindow::LimeKilnDustWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    dust_ = limeKilnDust(w.text("Combo1"), w.text("Text1"), w.text("Text2"), dust_);
    w.setText("Text3", plainText(dust_));
  });
}

}  // namespace tolvar::process
