#include "tools/fuel/coal_pollutants_window.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <tuple>

#include "framework/conversion.h"
#include "framework/embedded_data.h"
#include "framework/window.h"
#include "tools/fuel/coal_pollutants.h"

namespace tolvar::fuel {
namespace {

constexpr const char* kHintMessage =
    " 当计算结果为0或未知时,请检查你的输入的参数,参数里是否有非数字输入或是0输入!";

struct TableButton {
  const char* name;
  const char* field;
  const char* table;  // the title of the reference table window it opens
};

constexpr std::array<TableButton, 8> kTableButtons = {{
    {"TableA", "Text2", "煤中灰分含量"},
    {"TableDfh", "Text3", "灰分中烟尘的含量"},
    {"TableCfh", "Text4", "烟尘中可燃物含量"},
    {"TableEta1", "Text5", "各种除尘器的效率"},
    {"TableS", "Text9", "煤的全硫分含量"},
    {"TableEta3", "Text7", "燃煤中氮NOX转化率"},
    {"TableC", "Text12", "燃煤燃烧不完全值和含碳量QC"},
    {"TableQ", "Text13", "燃煤燃烧不完全值和含碳量QC"},
}};

struct HintButton {
  const char* name;
  const char* result;
};

constexpr std::array<HintButton, 4> kHintButtons = {{
    {"HintGsd", "Text6"},
    {"HintGso2", "Text10"},
    {"HintGnox", "Text11"},
    {"HintGco", "Text14"},
}};

Control input(const char* name, const char* caption, const char* defaultText) {
  return textField(name, caption, defaultText).withColour(kDarkGreen);
}

Control result(const char* name, const char* caption) {
  return resultField(name, caption, "").withColour(kRed);
}

// Each field's table or hint button follows it so that the button joins the field's row.
void addWithButtons(WindowDescriptor& d, Control field) {
  std::string name = field.name;
  d.add(std::move(field));
  for (const TableButton& b : kTableButtons) {
    if (name == b.field) d.add(button(b.name, "......?").besideField(name));
  }
  for (const HintButton& b : kHintButtons) {
    if (name == b.result) d.add(button(b.name, "......?").besideField(name));
  }
}

WindowDescriptor describe() {
  WindowDescriptor d{kCoalPollutantsTitle, {}};
  // Smoke and dust on the left, the gases on the right, the basis note across the bottom.
  d.columns = 2;
  d.add(heading("Heading", "燃煤污染物排放量的计算").spanningColumns());
  addWithButtons(d, input("Text1", "B--耗煤量，T：", "300"));
  addWithButtons(d, input("Text2", "A--煤中灰分，%：", "25"));
  addWithButtons(d, input("Text3", "dfh--灰分中烟尘，%：", "20"));
  addWithButtons(d, input("Text4", "Cfh--烟尘中可燃物，%：", "30"));
  addWithButtons(d, input("Text5", "η1--除尘系统除尘效率，%：", "83.3"));
  addWithButtons(d, result("Text6", "Gsd--烟尘排放量，kg："));
  addWithButtons(d, input("Text9", "S --燃煤全硫分含量，%：", "0.24").startingColumn());
  addWithButtons(d, input("Text8", "η2--二氧化硫脱除效率(%)：", "90"));
  addWithButtons(d, result("Text10", "Gso2--SO2排放量，kg："));
  addWithButtons(d, input("Text7", "η3--燃煤中NOX的转化率，%：", "50"));
  addWithButtons(d, result("Text11", "Gnox--NOX排放量, kg："));
  addWithButtons(d, input("Text12", "C --燃煤中碳含量，%：", "80"));
  addWithButtons(d, input("Text13", "Q --燃煤燃烧不完全值，%：", "3"));
  addWithButtons(d, result("Text14", "Gco--CO排放量，kg："));
  d.add(frame("Frame1", "黑龙江省燃料燃烧排放大气污染物物料衡算办法（暂行）").spanningColumns());
  Control basis = note("Note", std::string(embeddedData("fuel/coal_pollutants_basis.txt")))
                      .in("Frame1")
                      .locked()
                      .withLines(8);
  basis.tooltipBackground = true;
  d.add(std::move(basis));
  return d;
}

// The formula over the numbers of the fields, or no value when one of their texts is no number.
template <std::size_t N, typename Formula>
std::optional<double> loadOf(const Window& w, const std::array<const char*, N>& fields,
                             Formula formula) {
  std::array<double, N> numbers{};
  for (std::size_t i = 0; i < N; ++i) {
    std::optional<double> number = parseDouble(w.text(fields[i]));
    if (!number) return std::nullopt;
    numbers[i] = *number;
  }
  return std::apply(formula, numbers);
}

void showSmokeAndDust(Window& w) {
  auto load = loadOf<5>(w, {"Text1", "Text2", "Text3", "Text4", "Text5"}, smokeAndDustLoad);
  w.setText("Text6", loadText(load, kSmokeAndDustMask));
}

void showSulphurDioxide(Window& w) {
  auto load = loadOf<3>(w, {"Text1", "Text9", "Text8"}, sulphurDioxideLoad);
  w.setText("Text10", loadText(load, kSulphurDioxideMask));
}

void showNitrogenOxides(Window& w) {
  auto load = loadOf<2>(w, {"Text1", "Text7"}, nitrogenOxidesLoad);
  w.setText("Text11", loadText(load, kNitrogenOxidesMask));
}

void showCarbonMonoxide(Window& w) {
  auto load = loadOf<3>(w, {"Text1", "Text12", "Text13"}, carbonMonoxideLoad);
  w.setText("Text14", loadText(load, kCarbonMonoxideMask));
}

}  // namespace

CoalPollutantsWindow::CoalPollutantsWindow() : Tool(describe()) {
  on(Event::change, "Text1", [](Window& w) {
    showSmokeAndDust(w);
    showSulphurDioxide(w);
    showCarbonMonoxide(w);
    showNitrogenOxides(w);
  });
  on(Event::change, {"Text2", "Text3", "Text4", "Text5"}, showSmokeAndDust);
  on(Event::change, {"Text9", "Text8"}, showSulphurDioxide);
  on(Event::change, "Text7", showNitrogenOxides);
  on(Event::change, {"Text12", "Text13"}, showCarbonMonoxide);
  on(Event::click, "Text6", showSmokeAndDust);
  on(Event::click, "Text10", showSulphurDioxide);
  on(Event::click, "Text11", showNitrogenOxides);
  on(Event::click, "Text14", showCarbonMonoxide);
  for (const TableButton& b : kTableButtons) {
    on(Event::click, b.name, [table = b.table](Window& w) { w.open(table); });
  }
  for (const HintButton& b : kHintButtons) {
    on(Event::click, b.name, [](Window& w) { w.message(kHintMessage); });
  }
}

}  // namespace tolvar::fuel
