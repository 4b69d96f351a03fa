#include "tools/process/incineration_window.h"

#include <string>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/process/incineration.h"
#include "tools/process/process_controls.h"

namespace tolvar::process {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kIncinerationTitle, {}};
  // The heading stands over the basis note, leaving the top left corner to the drawn lines.
  d.columns = 2;
  d.add(choiceList("Combo1", "请选择焚烧方式：",
                   {std::string(kIncinerator), std::string(kOpenBurning)}, false));
  d.add(choiceList("Combo2", "请选择焚烧炉类型：", incineratorTypes(), false));
  d.add(choiceList("Combo3", "请选择焚烧垃圾种类：", refuseTypes()));
  d.add(choiceList("Combo4", "请选择排放污染物种类：", openBurningPollutants()));
  d.add(input("Text1", "请输入污染物的处理效率（%）：", "90"));
  d.add(input("Text2", "焚烧垃圾的量(吨)：", "2000"));
  d.add(button("Command1", "计算"));
  d.add(result("Text3", "某种污染物排放量（kg）="));
  d.add(heading("Heading", "焚烧垃圾相关污染物排放量的计算").startingColumn());
  Control basis = basisNote("process/incineration_basis.txt");
  basis.startsColumn = false;
  d.add(std::move(basis));
  d.add(drawnText("DrawnText", ""));
  return d;
}

}  // namespace

IncinerationWindow::IncinerationWindow() : Tool(describe()) {
  // Open burning has no furnace and no removal; the hidden controls keep their texts.
  on(Event::choose, "Combo1", [](Window& w) {
    bool incinerator = w.text("Combo1") != kOpenBurning;
    w.setVisible("Combo2", incinerator);
    w.setVisible("Text1", incinerator);
  });
  on(Event::click, "Command1", [this](Window& w) {
    Incineration outcome = incineration({w.text("Combo1"), w.text("Combo2"), w.text("Combo3"),
                                         w.text("Combo4"), w.text("Text1"), w.text("Text2")},
                                        emission_);
    emission_ = outcome.emission;
    w.setText("Text3", plainText(emission_));
    if (outcome.drawsEmission) w.drawLine("DrawnText", "q=" + plainText(emission_));
  });
}

}  // namespace tolvar::process
