#include "tools/process/factor_emission_windows.h"

#include <memory>
#include <string>
#include <utility>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/process/factor_emissions.h"
#include "tools/process/process_controls.h"

namespace tolvar::process {
namespace {

// The new emission from the window's controls and the previous emission.
using Emission = float (*)(const Window& w, float previous);

class FactorEmissionWindow : public Tool {
 public:
  FactorEmissionWindow(WindowDescriptor descriptor, Emission emission)
      : Tool(std::move(descriptor)) {
    on(Event::click, "Command1", [this, emission](Window& w) {
      emission_ = emission(w, emission_);
      w.setText("Text2", plainText(emission_));
    });
  }

 private:
  float emission_ = 0.0f;
};

// Optional controls first, then the quantity field "Text1", the button, the result field
// "Text2" and the basis note in the right-hand column.
WindowDescriptor describe(const char* title, const char* headingText, std::vector<Control> choices,
                          const char* quantityCaption, const char* basis) {
  WindowDescriptor d{title, {}};
  d.columns = 2;
  d.add(heading("Heading", headingText).spanningColumns());
  for (Control& choice : choices) d.add(std::move(choice));
  d.add(input("Text1", quantityCaption, "100"));
  d.add(button("Command1", "计算"));
  d.add(result("Text2", "颗粒物排放量（kg）="));
  d.add(basisNote(basis));
  return d;
}

void add(ToolRegistry& registry, const char* title, WindowDescriptor (*describeWindow)(),
         Emission emission) {
  registry.add(title, [describeWindow, emission] {
    return std::make_unique<FactorEmissionWindow>(describeWindow(), emission);
  });
}

WindowDescriptor feedMilling() {
  std::vector<Control> choices;
  choices.push_back(choiceList("Combo1", "请选择粮食加工类型：", feedMillingTypes(), false));
  return describe(kFeedMillingTitle, "饲料及粮食加工颗粒物排放量的计算", std::move(choices),
                  "请输入加工量（T）：", "process/feed_milling_basis.txt");
}

WindowDescriptor cottonGin() {
  return describe(kCottonGinTitle, "棉花轧花机的粉尘排放量的计算", {}, "请输入加工量（T）：",
                  "process/cotton_gin_basis.txt");
}

WindowDescriptor glassRawMaterial() {
  return describe(kGlassRawMaterialTitle, "玻璃原料制造设备颗粒物排放量的计算", {},
                  "请输入装入料的用量（T）：", "process/glass_raw_material_basis.txt");
}

WindowDescriptor glassMaking() {
  return describe(kGlassMakingTitle, "玻璃制造设备颗粒物排放量的计算", {}, "请输入玻璃产量（T）：",
                  "process/glass_making_basis.txt");
}

}  // namespace

void registerFactorEmissionWindows(ToolRegistry& registry) {
  add(registry, kFeedMillingTitle, feedMilling, [](const Window& w, float previous) {
    return feedMillingParticulates(w.text("Combo1"), w.text("Text1"), previous);
  });
  add(registry, kCottonGinTitle, cottonGin,
      [](const Window& w, float previous) { return cottonGinDust(w.text("Text1"), previous); });
  add(registry, kGlassRawMaterialTitle, glassRawMaterial, [](const Window& w, float previous) {
    return glassRawMaterialParticulates(w.text("Text1"), previous);
  });
  add(registry, kGlassMakingTitle, glassMaking, [](const Window& w, float previous) {
    return glassMakingParticulates(w.text("Text1"), previous);
  });
}

}  // namespace tolvar::process
