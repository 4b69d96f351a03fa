#include "tools/fuel/stove_window.h"

#include <string>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/fuel/live_window_controls.h"

namespace tolvar::fuel {
namespace {

WindowDescriptor describe(const StoveWindowKind& kind, const std::vector<StoveFactors>& rows) {
  WindowDescriptor d{kind.title, {}};
  // The list, the coal and the loads on the left, the basis note on the right.
  d.columns = 2;
  d.add(heading("Heading", kind.heading).spanningColumns());
  std::vector<std::string> coalKinds;
  for (const StoveFactors& row : rows) coalKinds.push_back(row.coal);
  d.add(choiceList("Combo1", kind.listLabel, coalKinds));
  d.add(liveInput("Text1", "请输入燃煤量（T）：", "100"));
  d.add(liveResult("Text2", "烟尘产排量(kg)："));
  d.add(liveResult("Text3", "CO产排量(kg)："));
  d.add(liveResult("Text4", "SO2产排量(kg)："));
  d.add(liveResult("Text5", "HC产排量(kg)："));
  d.add(liveResult("Text6", "NOX产排量(kg)："));
  d.add(button("Command1", "计算"));
  d.add(basisNote("Note", "fuel/stove_basis.txt", 10).startingColumn());
  return d;
}

}  // namespace

StoveWindow::StoveWindow(const StoveWindowKind& kind)
    : Tool(describe(kind, stoveFactors(kind.stove))), rows_(stoveFactors(kind.stove)) {
  on(Event::click, "Command1", [this](Window& w) {
    loads_ = stoveLoads(rows_, w.text("Combo1"), w.text("Text1"), loads_);
    w.setText("Text2", plainText(loads_.smoke));
    w.setText("Text3", plainText(loads_.carbonMonoxide));
    w.setText("Text4", plainText(loads_.sulphurDioxide));
    w.setText("Text5", plainText(loads_.hydrocarbons));
    w.setText("Text6", plainText(loads_.nitrogenOxides));
  });
}

}  // namespace tolvar::fuel
