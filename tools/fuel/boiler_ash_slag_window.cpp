#include "tools/fuel/boiler_ash_slag_window.h"

#include <array>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/fuel/boiler_ash_slag.h"
#include "tools/fuel/field_number.h"
#include "tools/fuel/live_window_controls.h"

namespace tolvar::fuel {
namespace {

constexpr std::array<const char*, 6> kInputs = {"Text1", "Text2",  "Text3",
                                                "Text4", "Text11", "Text5"};

constexpr std::array<SideButton, 3> kButtons = {{
    {"TableDfh", "Text3", "燃煤烟气中烟尘占灰分含量的百分数查询"},
    {"TableCfh", "Text4", "燃煤可燃物百分含量查询"},
    {"HintCiz", "Text11", nullptr,
     "炉渣中的可燃物百分含量，在无热工测试资料的情况下，一般Ciz的取值范围为10-25%，煤粉炉可取0-5%"
     "！"},
}};

WindowDescriptor describe() {
  WindowDescriptor d{kBoilerAshSlagTitle, {}};
  // The fields form the left column, the framed basis note the right one.
  d.columns = 2;
  d.add(heading("Heading", "锅炉灰渣产生量计算").spanningColumns());
  auto add = [&d](Control field) {
    addWithButtons(d, std::move(field), kButtons, "......");
  };
  add(liveInput("Text1", "耗煤量(t)：", "300"));
  add(liveInput("Text2", "煤的灰分(%)：", "25"));
  add(liveInput("Text3", "烟气中烟尘占灰分含量的百分数dfh(%)：", "20"));
  add(liveInput("Text4", "烟尘中可燃物的百分含量Cfh(%)：", "30"));
  add(liveInput("Text11", "炉渣中可燃物百分含量Ciz(%)：", "17.5"));
  add(liveInput("Text5", "除尘系统除尘效率(%)：", "90"));
  add(liveResult("Text6", "炉渣产生量（排放量）(kg)："));
  add(liveResult("Text8", "粉煤灰产生量（排放量）(kg)："));
  add(liveResult("Text13", "灰渣产生量（排放量）(kg)："));
  d.add(frame("Frame1", "计算来源：").startingColumn());
  d.add(basisNote("Note", "fuel/boiler_ash_slag_basis.txt", 12).in("Frame1"));
  return d;
}

AshAndSlag compute(const Window& w) {
  std::array<double, kInputs.size()> n{};
  for (std::size_t i = 0; i < kInputs.size(); ++i) n[i] = fieldNumber(w, kInputs[i]);
  return boilerAshAndSlag(n[0], n[1], n[2], n[3], n[4], n[5]);
}

void showTotal(Window& w) {
  w.setText("Text13", plainText(compute(w).total));
}

void showSlag(Window& w) {
  w.setText("Text6", plainText(compute(w).slag));
}

void showFlyAsh(Window& w) {
  w.setText("Text8", plainText(compute(w).flyAsh));
}

}  // namespace

BoilerAshSlagWindow::BoilerAshSlagWindow() : Tool(describe()) {
  for (const char* input : kInputs) {
    on(Event::change, input, [](Window& w) {
      showTotal(w);
      showSlag(w);
      showFlyAsh(w);
    });
  }
  on(Event::click, "Text13", showTotal);
  on(Event::click, "Text6", showSlag);
  on(Event::click, "Text8", showFlyAsh);
  for (const SideButton& b : kButtons) on(Event::click, b.name, sideButtonAction(b));
}

}  // namespace tolvar::fuel
