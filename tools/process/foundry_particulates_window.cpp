#include "tools/process/foundry_particulates_window.h"

#include <string>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/process/foundry_particulates.h"
#include "tools/process/process_controls.h"

namespace tolvar::process {
namespace {

std::string furnaceList(std::size_t industry) {
  return "Furnace" + std::to_string(industry + 1);
}

std::string facilityList(std::size_t industry) {
  return "Facility" + std::to_string(industry + 1);
}

// Each industry reads across one line: its furnace list, then its facility list.
WindowDescriptor describe() {
  WindowDescriptor d{kFoundryParticulatesTitle, {}};
  d.add(heading("Heading", "铸造工业颗粒物排放量的计算"));
  const auto& industries = foundryIndustries();
  for (std::size_t i = 0; i < industries.size(); ++i) {
    d.add(choiceList(furnaceList(i), industries[i]->name + "：", industries[i]->rows));
    d.add(choiceList(facilityList(i), "处理设施：", industries[i]->columns)
              .besideField(furnaceList(i)));
  }
  d.add(input("Text1", "请输入原料（产品）量（T）：", ""));
  d.add(result("Text2", "颗粒物排放量（Kg）="));
  d.add(button("Command1", "计算"));
  d.add(button("Command2", "清除"));
  return d;
}

}  // namespace

FoundryParticulatesWindow::FoundryParticulatesWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    std::array<FoundryChoice, kFoundryIndustries> choices;
    for (std::size_t i = 0; i < choices.size(); ++i) {
      choices[i] = {w.text(furnaceList(i)), w.text(facilityList(i))};
    }
    FoundryParticulates outcome = foundryParticulates(choices, w.text("Text1"), emission_);
    emission_ = outcome.emission;
    for (const std::string& message : outcome.messages) w.message(message);
    w.setText("Text2", plainText(emission_));
  });
  on(Event::click, "Command2", [](Window& w) {
    const auto& industries = foundryIndustries();
    for (std::size_t i = 0; i < industries.size(); ++i) {
      w.setItems(furnaceList(i), industries[i]->rows);
      w.setText(furnaceList(i), "");
      w.setItems(facilityList(i), industries[i]->columns);
      w.setText(facilityList(i), "");
    }
  });
}

}  // namespace tolvar::process
