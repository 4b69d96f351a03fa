#include "tools/water/settling_tank_sludge_window.h"

#include "framework/window.h"
#include "tools/water/sludge.h"

namespace tolvar::water {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kSettlingTankSludgeTitle, {}};
  d.add(heading("Heading", "沉淀池污泥量的计算"));
  auto input = [&](const char* name, const char* caption, const char* text) {
    d.add(textField(name, caption, text).withColour(kDarkGreen));
  };
  input("Text1", "废水流量（米^3/日）：", "1500");
  input("Text2", "进水SS浓度（公斤/米^3）：", "30");
  input("Text3", "出水SS浓度（公斤/米^3）：", "20");
  input("Text4", "污泥含水率（%）：", "10");
  input("Text5", "污泥密度（吨/米^3）：", "300");
  d.add(resultField("Text6", "污泥产生量（米^3/天）：", "").withColour(kRed));
  d.add(frame("Frame1", "计算依据：《环境统计报表填报指南》P82"));
  d.add(picture("Picture1", "water/settling_tank_formula.html").in("Frame1"));
  return d;
}

void recompute(Window& w) {
  w.setText("Text6", settlingTankSludgeText({.flow = w.text("Text1"),
                                             .solidsIn = w.text("Text2"),
                                             .solidsOut = w.text("Text3"),
                                             .moisture = w.text("Text4"),
                                             .sludgeDensity = w.text("Text5")}));
}

}  // namespace

SettlingTankSludgeWindow::SettlingTankSludgeWindow() : Tool(describe()) {
  on(Event::change, {"Text1", "Text2", "Text3", "Text4", "Text5"}, recompute);
  on(Event::click, "Text6", recompute);
}

}  // namespace tolvar::water
