#include "tools/risk/liquid_leak_window.h"

#include <array>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/risk/liquid_leak.h"
#include "tools/risk/single_inputs.h"

namespace tolvar::risk {
namespace {

// In the order the compute step reads them.
constexpr std::array<SingleInput, 6> kInputs = {{
    {"Text7", "Cd--液体泄漏系数"},
    {"Text1", "A--裂口面积"},
    {"Text2", "P--容器介质压力"},
    {"Text3", "P0--环境压力"},
    {"Text4", "h--裂口之上液位高度"},
    {"Text5", "ρ--液体密度"},
}};

WindowDescriptor describe() {
  WindowDescriptor d{kLiquidLeakTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "风险评价液体泄漏量的计算").spanningColumns());
  d.add(frame("Frame1", "参数输入"));
  d.add(textField("Text1", "A--裂口面积（m^2）：", "0.02").in("Frame1").withColour(kDarkGreen));
  d.add(textField("Text7", "Cd--液体泄漏系数：", "0.62").in("Frame1").withColour(kDarkGreen));
  d.add(textField("Text2", "P--容器介质压力（Pa）：", "12000").in("Frame1").withColour(kDarkGreen));
  d.add(textField("Text3", "P0--环境压力（Pa）：", "10100").in("Frame1").withColour(kDarkGreen));
  d.add(textField("Text4", "h--裂口之上液位高度（m）：", "5").in("Frame1").withColour(kDarkGreen));
  d.add(textField("Text5", "ρ--液体密度（Kg/m3）：", "0.8").in("Frame1").withColour(kDarkGreen));
  d.add(button("Command1", "计算"));
  d.add(resultField("Text6", "QL--液体泄漏速度（Kg/s）：", "").withColour(kRed));
  d.add(label("FormulaLabel", "计算公式：").startingColumn());
  d.add(picture("Picture1", "risk/liquid_leak_formula.html"));
  Control basis = note("Note",
                       "式中：\r\n"
                       "QL--液体泄漏速度，kg/s；\r\n"
                       "Cd--液体泄漏系数，此值常用0.6-0.64。\r\n"
                       "A--裂口面积，m2；\r\n"
                       "P--容器内介质压力，Pa；\r\n"
                       "P0--环境压力，Pa；\r\n"
                       "g --重力加速度。\r\n"
                       "ρ--液体密度（Kg/m3）\r\n"
                       "h --裂口之上液位高度，m。\r\n"
                       "本法的限制条件：液体在喷口内不应有急剧蒸发。")
                      .locked();
  basis.tooltipBackground = true;
  d.add(std::move(basis));
  return d;
}

}  // namespace

LiquidLeakWindow::LiquidLeakWindow() : Tool(describe()) {
  on(Event::click, "Command1", [](Window& w) {
    std::optional<std::vector<float>> v = readSingleInputs(w, kInputs, "Text6");
    if (!v) return;
    const std::vector<float>& x = *v;
    LiquidLeakInputs in{.dischargeCoefficient = x[0],
                        .holeArea = x[1],
                        .vesselPressure = x[2],
                        .ambientPressure = x[3],
                        .liquidHead = x[4],
                        .density = x[5]};
    w.setText("Text6", plainText(liquidLeakRate(in)));
  });
}

}  // namespace tolvar::risk
