#include "tools/fuel/gas_pollutants_window.h"

#include <array>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/fuel/field_number.h"
#include "tools/fuel/live_window_controls.h"
#include "tools/fuel/oil_gas_pollutants.h"

namespace tolvar::fuel {
namespace {

constexpr const char* kGasContents = "燃气中主要物质体积含量";

// The buttons beside the two results do nothing.
constexpr std::array<SideButton, 7> kButtons = {{
    {"TableCh2s", "Text2", "燃气中H2S的含量"},
    {"TableQ", "Text9", "燃气燃烧不完全值表"},
    {"TableVco", "Text8", kGasContents},
    {"TableVch4", "Text4", kGasContents},
    {"TableVcmhn", "Text5", kGasContents},
    {"HintGso2", "Text6"},
    {"HintGco", "Text3"},
}};

WindowDescriptor describe() {
  WindowDescriptor d{kGasPollutantsTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "燃气污染物排放量的计算").spanningColumns());
  auto add = [&d](Control field) {
    addWithButtons(d, std::move(field), kButtons);
  };
  add(liveInput("Text1", "V--燃气耗量，m3：", "300"));
  add(liveInput("Text2", "CH2S--燃气中H2S体积含量，%：", "0.05"));
  add(liveResult("Text6", "Gso2--SO2排放量，kg："));
  add(liveInput("Text9", "Q--燃气燃烧不完全值，%：", "2").startingColumn());
  add(liveInput("Text8", "VCO--燃气中CO体积含量，%：", "5"));
  add(liveInput("Text4", "VCH4--燃气中CH4体积含量，%：", "95"));
  add(liveInput("Text5", "VCmHn--燃气中其他烷烃类体积含量，%：", "0"));
  add(liveResult("Text3", "Gco--CO排放量，kg："));
  d.add(frame("Frame1", "黑龙江省燃料燃烧排放大气污染物物料衡算办法（暂行）").spanningColumns());
  d.add(basisNote("Note", "fuel/gas_pollutants_basis.txt", 9).in("Frame1"));
  return d;
}

void showSulphurDioxide(Window& w) {
  double load = gasSulphurDioxideLoad(fieldNumber(w, "Text1"), fieldNumber(w, "Text2"));
  w.setText("Text6", maskedText(load, kGasLoadMask));
}

void showCarbonMonoxide(Window& w) {
  double load = gasCarbonMonoxideLoad(fieldNumber(w, "Text1"), fieldNumber(w, "Text9"),
                                      fieldNumber(w, "Text8"), fieldNumber(w, "Text4"),
                                      fieldNumber(w, "Text5"));
  w.setText("Text3", maskedText(load, kGasLoadMask));
}

}  // namespace

GasPollutantsWindow::GasPollutantsWindow() : Tool(describe()) {
  on(Event::change, "Text1", [](Window& w) {
    showSulphurDioxide(w);
    showCarbonMonoxide(w);
  });
  on(Event::change, "Text2", showSulphurDioxide);
  on(Event::change, {"Text9", "Text8", "Text4", "Text5"}, showCarbonMonoxide);
  on(Event::click, "Text6", showSulphurDioxide);
  on(Event::click, "Text3", showCarbonMonoxide);
  for (const SideButton& b : kButtons) on(Event::click, b.name, sideButtonAction(b));
}

}  // namespace tolvar::fuel
