#include "tools/industry/leather_window.h"

#include <array>
#include <string>

#include "framework/embedded_data.h"
#include "framework/steps.h"
#include "framework/window.h"
#include "tools/industry/leather.h"

namespace tolvar::industry {
namespace {

struct ResultRow {
  const char* generationName;
  const char* generationCaption;
  const char* dischargeName;
  const char* dischargeCaption;
};

constexpr std::array<ResultRow, kLeatherPollutants> kResultRows = {{
    {"Text2", "废水产生量(T/年)：", "Text8", "废水排放量(T/年)："},
    {"Text3", "CODcr产生量(Kg/年)：", "Text9", "CODcr排放量(Kg/年)："},
    {"Text4", "BOD5产生量(Kg/年)：", "Text10", "BOD5排放量(Kg/年)："},
    {"Text5", "SS产生量(Kg/年)：", "Text11", "SS排放量(Kg/年)："},
    {"Text6", "硫化物产生量(Kg/年)：", "Text12", "硫化物排放量(Kg/年)："},
    {"Text7", "总铬产生量(Kg/年)：", "Text13", "总铬排放量(Kg/年)："},
}};

// The results in the order the computation writes them: generation first, then discharge.
std::array<const char*, 2 * kLeatherPollutants> resultNames() {
  std::array<const char*, 2 * kLeatherPollutants> names{};
  for (std::size_t i = 0; i < kLeatherPollutants; ++i) {
    names[i] = kResultRows[i].generationName;
    names[kLeatherPollutants + i] = kResultRows[i].dischargeName;
  }
  return names;
}

WindowDescriptor describe() {
  WindowDescriptor d{kLeatherTitle, {}};
  // The inputs across the top, generation and discharge side by side, the basis below.
  d.columns = 2;
  d.add(heading("Heading", "制革行业污染物排放计算").spanningColumns());
  std::vector<std::string> hideTypes;
  for (const HideCoefficients& hide : leatherCoefficients()) hideTypes.push_back(hide.hideType);
  d.add(choiceList("Combo1", "请选择原料皮类型：", hideTypes).spanningColumns());
  d.add(textField("Text1", "请输入年处理原皮量(T/年))：", "").spanningColumns());
  d.add(button("Command1", "计算").besideField("Text1"));
  d.add(label("Label1", "各类污染物产排量：").spanningColumns());
  for (const ResultRow& row : kResultRows) {
    d.add(resultField(row.generationName, row.generationCaption, "").withColour(kRed));
  }
  bool first = true;
  for (const ResultRow& row : kResultRows) {
    // The BOD5 discharge field of the original form held a blank.
    std::string text = std::string(row.dischargeName) == "Text10" ? " " : "";
    Control field = resultField(row.dischargeName, row.dischargeCaption, text).withColour(kRed);
    d.add(first ? std::move(field).startingColumn() : std::move(field));
    first = false;
  }
  Control basis = note("Note", std::string(embeddedData("industry/leather_basis.txt")))
                      .locked()
                      .spanningColumns()
                      .withLines(4);
  basis.tooltipBackground = true;
  d.add(std::move(basis));
  return d;
}

}  // namespace

LeatherWindow::LeatherWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    Steps steps;
    steps.let(tonnage_, [&] { return strictSingle(w.text("Text1")); });
    const auto names = resultNames();
    std::array<TextSlot, 2 * kLeatherPollutants> results;
    for (std::size_t i = 0; i < names.size(); ++i) results[i].text = w.text(names[i]);
    if (!leatherLoads(w.text("Combo1"), tonnage_, results)) return;
    for (std::size_t i = 0; i < names.size(); ++i) w.setText(names[i], results[i].text);
  });
}

}  // namespace tolvar::industry
