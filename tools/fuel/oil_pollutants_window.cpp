#include "tools/fuel/oil_pollutants_window.h"

#include <array>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/fuel/field_number.h"
#include "tools/fuel/live_window_controls.h"
#include "tools/fuel/oil_gas_pollutants.h"

namespace tolvar::fuel {
namespace {

constexpr const char* kResultHint = "当计算结果为0或未知时,请检查你的输入,是不是有0或是未知数据!";

constexpr std::array<SideButton, 8> kButtons = {{
    {"TableS", "Text9", "燃油全硫分含量"},
    {"TableN", "Text2", "燃油中含氮量"},
    {"HintEta2", "Text7", nullptr, "目前只有燃油锅炉数据,NOX转化率为40%,此项不可更改!"},
    {"HintC", "Text12", nullptr, "目前只有重油的含碳量,数据为90%,不要更改!"},
    {"HintQ", "Text13", nullptr, "目前只有重油的燃烧不完全值,数据为2%,不要更改!"},
    {"HintGso2", "Text10", nullptr, kResultHint},
    {"HintGnox", "Text11", nullptr, kResultHint},
    {"HintGco", "Text14", nullptr, kResultHint},
}};

WindowDescriptor describe() {
  WindowDescriptor d{kOilPollutantsTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "燃油污染物排放量的计算").spanningColumns());
  auto add = [&d](Control field) {
    addWithButtons(d, std::move(field), kButtons);
  };
  add(liveInput("Text1", "B --耗油量，T：", "600"));
  add(liveInput("Text9", "S --燃油全硫分含量，%%：", "0.24"));
  add(liveInput("Text8", "η1--二氧化硫脱除效率(%)：", "0"));
  add(liveResult("Text10", "Gso2--SO2排放量，kg："));
  add(liveInput("Text7", "η2--燃煤中NOX的转化率，%：", "40").startingColumn());
  add(liveInput("Text2", "N--燃油中氮含量，%：", "0.14"));
  add(liveResult("Text11", "Gnox--NOX排放量, kg："));
  add(liveInput("Text12", "C --燃煤中碳含量，%：", "90"));
  add(liveInput("Text13", "Q --燃煤燃烧不完全值，%：", "2"));
  add(liveResult("Text14", "Gco--CO排放量，kg："));
  d.add(frame("Frame1", "黑龙江省燃料燃烧排放大气污染物物料衡算办法（暂行）").spanningColumns());
  d.add(basisNote("Note", "fuel/oil_pollutants_basis.txt", 10).in("Frame1"));
  return d;
}

void showSulphurDioxide(Window& w) {
  double load = oilSulphurDioxideLoad(fieldNumber(w, "Text1"), fieldNumber(w, "Text9"),
                                      fieldNumber(w, "Text8"));
  w.setText("Text10", maskedText(load, kOilLoadMask));
}

void showCarbonMonoxide(Window& w) {
  double load = oilCarbonMonoxideLoad(fieldNumber(w, "Text1"), fieldNumber(w, "Text12"),
                                      fieldNumber(w, "Text13"));
  w.setText("Text14", maskedText(load, kOilLoadMask));
}

void showNitrogenOxides(Window& w) {
  double load = oilNitrogenOxidesLoad(fieldNumber(w, "Text1"), fieldNumber(w, "Text2"),
                                      fieldNumber(w, "Text7"));
  w.setText("Text11", maskedText(load, kOilLoadMask));
}

}  // namespace

OilPollutantsWindow::OilPollutantsWindow() : Tool(describe()) {
  on(Event::change, "Text1", [](Window& w) {
    showSulphurDioxide(w);
    showCarbonMonoxide(w);
    showNitrogenOxides(w);
  });
  on(Event::change, {"Text9", "Text8"}, showSulphurDioxide);
  on(Event::change, "Text2", showNitrogenOxides);
  on(Event::click, "Text10", showSulphurDioxide);
  on(Event::click, "Text11", showNitrogenOxides);
  on(Event::click, "Text14", showCarbonMonoxide);
  for (const SideButton& b : kButtons) on(Event::click, b.name, sideButtonAction(b));
}

}  // namespace tolvar::fuel
