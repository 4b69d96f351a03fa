#include "tools/risk/pool_evaporation_window.h"

#include <array>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/risk/pool_evaporation.h"

namespace tolvar::risk {
namespace {

constexpr const char* kTabStrip = "TabStrip1";
// The panel of each tab, in tab order.
constexpr std::array<const char*, 4> kPanels = {"Frame1", "Frame2", "Frame3", "Frame4"};

WindowDescriptor describe() {
  WindowDescriptor d{kPoolEvaporationTitle, {}};
  d.add(heading("Heading", "蒸发量的计算"));
  d.add(tabStrip(kTabStrip, {"闪蒸蒸发", "热量蒸发", "质量蒸发", "总蒸发量"})
            .withTooltip("总蒸发量必须在前面三种蒸发量计算完毕后，再输入相应时间，后计算！"));
  for (std::size_t page = 0; page < kPanels.size(); ++page) {
    Control panel = frame(kPanels[page], "").in(kTabStrip, static_cast<int>(page));
    d.add(page == 0 ? std::move(panel) : std::move(panel).hidden());
  }
  auto input = [&](const char* panel, const char* name, const char* caption, const char* text) {
    d.add(textField(name, caption, text).in(panel).withColour(kDarkGreen));
  };
  auto result = [&](const char* panel, const char* name, const char* caption, const char* text) {
    d.add(resultField(name, caption, text).in(panel).withColour(kRed));
  };

  input("Frame1", "Text1", "液体泄漏总量，Kg：", "10");
  input("Frame1", "Text2", "闪蒸蒸发时间，S：", "30");
  input("Frame1", "Text3", "液体的定压比热，J/(kg·K)：", "1000");
  input("Frame1", "Text4", "泄漏前液体的温度，K：", "300");
  input("Frame1", "Text5", "液体在常压下的沸点，K：", "80");
  input("Frame1", "Text6", "液体的气化热，J/kg：", "5000");
  result("Frame1", "Text7", "闪蒸量，kg/S：", "0");

  input("Frame2", "Text8", "环境温度，k：", "300");
  input("Frame2", "Text9", "沸点温度；k：", "275");
  input("Frame2", "Text10", "液池面积，m2：", "10");
  input("Frame2", "Text11", "液体气化热，J/kg：", "12000");
  d.add(
      choiceList("Combo1", "请选择地面类型：", groundTypes()).in("Frame2").withColour(kDarkGreen));
  input("Frame2", "Text13", "蒸发时间，s", "20");
  result("Frame2", "Text12", "热量蒸发速度，kg/s", "");

  d.add(choiceList("Combo2", "选择稳定度条件：", stabilityClasses())
            .in("Frame3")
            .withColour(kDarkGreen));
  input("Frame3", "Text14", "液体表面蒸气压，Pa:", "2000");
  input("Frame3", "Text15", "泄漏物质分子量M:", "350");
  input("Frame3", "Text16", "风速，m/s:", "2");
  input("Frame3", "Text17", "液池半径，m:", "10");
  input("Frame3", "Text19", "环境温度，k:", "80");
  result("Frame3", "Text18", "质量蒸发速度，kg/s:", "");

  input("Frame4", "Text20", "闪蒸蒸发时间，s:", "");
  input("Frame4", "Text21", "热量蒸发时间，s:", "");
  input("Frame4", "Text22", "从液体泄漏到液体全部处理完毕的时间，s:", "");
  result("Frame4", "Text23", "液体蒸发总量，kg:", "");

  d.add(label("Label1",
              "有许多人反应风险评价导则质量蒸发公式错误，但由于风险评价导则未正式修改，"
              "所以此处质量蒸发仍采用风险评价导则上的公式进行计算！"
              "可以试用大气工具箱之露天堆放有害物质散放量公式进行质量蒸发计算！"));
  return d;
}

void recomputeFlash(Window& w) {
  FlashEvaporation flash = flashEvaporation({.releasedMass = w.text("Text1"),
                                             .duration = w.text("Text2"),
                                             .specificHeat = w.text("Text3"),
                                             .liquidTemperature = w.text("Text4"),
                                             .boilingPoint = w.text("Text5"),
                                             .heatOfVaporisation = w.text("Text6")});
  w.setText("Text7", plainText(flash.rate));
}

void recomputeHeat(Window& w) {
  std::optional<float> rate = heatEvaporationRate({.ambientTemperature = w.text("Text8"),
                                                   .boilingPoint = w.text("Text9"),
                                                   .poolArea = w.text("Text10"),
                                                   .heatOfVaporisation = w.text("Text11"),
                                                   .groundType = w.text("Combo1"),
                                                   .duration = w.text("Text13")});
  w.setText("Text12", plainText(rate.value_or(0.0f)));
}

void recomputeMass(Window& w) {
  std::optional<float> rate = massEvaporationRate({.stabilityClass = w.text("Combo2"),
                                                   .vapourPressure = w.text("Text14"),
                                                   .molecularWeight = w.text("Text15"),
                                                   .windSpeed = w.text("Text16"),
                                                   .poolRadius = w.text("Text17"),
                                                   .ambientTemperature = w.text("Text19")});
  if (rate) w.setText("Text18", plainText(*rate));
}

void recomputeTotal(Window& w) {
  w.setText("Text23", totalEvaporationText({.flashRate = w.text("Text7"),
                                            .flashDuration = w.text("Text20"),
                                            .heatRate = w.text("Text12"),
                                            .heatDuration = w.text("Text21"),
                                            .massRate = w.text("Text18"),
                                            .clearingTime = w.text("Text22")}));
}

void showChosenPanel(Window& w) {
  const int chosen = w.state(kTabStrip).currentPage;
  for (std::size_t page = 0; page < kPanels.size(); ++page) {
    w.setVisible(kPanels[page], static_cast<int>(page) == chosen);
  }
}

}  // namespace

PoolEvaporationWindow::PoolEvaporationWindow() : Tool(describe()) {
  on(Event::change, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}, recomputeFlash);
  on(Event::click, "Text7", recomputeFlash);
  on(Event::change, {"Text8", "Text9", "Text10", "Text11", "Text13"}, recomputeHeat);
  on(Event::choose, "Combo1", recomputeHeat);
  on(Event::change, {"Text14", "Text15", "Text16", "Text17", "Text19"}, recomputeMass);
  on(Event::choose, "Combo2", recomputeMass);
  on(Event::click, "Text18", recomputeMass);
  on(Event::change, {"Text20", "Text21", "Text22"}, recomputeTotal);
  on(Event::click, "Text23", recomputeTotal);
  on(Event::click, kTabStrip, showChosenPanel);
}

}  // namespace tolvar::risk
