#include "tools/risk/gas_leak_window.h"

#include <array>

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/risk/single_inputs.h"

namespace tolvar::risk {
namespace {

// In the order the compute step reads them.
constexpr std::array<SingleInput, 6> kInputs = {{
    {"Text1", "裂口面积"},
    {"Text2", "容器介质压力"},
    {"Text3", "环境压力"},
    {"Text4", "气体分子量"},
    {"Text5", "气体温度"},
    {"Text7", "气体绝热指数"},
}};

WindowDescriptor describe() {
  WindowDescriptor d{kGasLeakTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "风险评价气体泄漏量的计算").spanningColumns());
  d.add(frame("Frame1", "参数输入"));
  d.add(textField("Text1", "请输入裂口面积（m2）：", "0.02").in("Frame1").withColour(kDarkGreen));
  d.add(textField("Text2", "请输入容器介质压力（Pa）：", "12000")
            .in("Frame1")
            .withColour(kDarkGreen));
  d.add(textField("Text3", "请输入环境压力（Pa）：", "10100").in("Frame1").withColour(kDarkGreen));
  d.add(textField("Text4", "气体分子量（m）：", "80").in("Frame1").withColour(kDarkGreen));
  d.add(textField("Text5", "气体温度（K）：", "500").in("Frame1").withColour(kDarkGreen));
  d.add(choiceList("Combo1", "请选择裂口形状：", {"圆形", "三角形", "长方形"})
            .in("Frame1")
            .withColour(kDarkGreen));
  d.add(textField("Text7", "气体绝热指数（热容比）：", "1.5").in("Frame1").withColour(kDarkGreen));
  d.add(button("Command1", "计算"));
  d.add(resultField("Text6", "气体泄漏速度（Kg/s）：", "").withColour(kRed));
  d.add(label("FormulaLabel", "计算公式：").startingColumn());
  d.add(picture("Picture1", "risk/gas_leak_formula.html"));
  Control basis =
      note("Note",
           "式中：\r\n"
           "QG--气体泄漏速度，kg/s；\r\n"
           "P--容器压力，Pa；\r\n"
           "Cd--气体泄漏系数；\r\n"
           "当裂口形状位圆形时取1.00，三角形时取0.95，长方形时取0.90；\r\n"
           "A--裂口面积，m2；\r\n"
           "M--分子量；\r\n"
           "R--气体常数，J/(mol·k)；\r\n"
           "TG--气体温度，K；\r\n"
           "Y --流出系数，\r\n"
           "κ--气体的绝热指数（热容比），即定压热容Cp与定容热容CV之比，用来计算临界流；")
          .locked();
  basis.tooltipBackground = true;
  d.add(std::move(basis));
  return d;
}

}  // namespace

GasLeakWindow::GasLeakWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    std::optional<std::vector<float>> v = readSingleInputs(w, kInputs, "Text6");
    if (!v) return;
    const std::vector<float>& x = *v;
    GasLeakInputs in{.holeArea = x[0],
                     .vesselPressure = x[1],
                     .ambientPressure = x[2],
                     .molecularWeight = x[3],
                     .gasTemperature = x[4],
                     .heatCapacityRatio = x[5]};
    values_ = gasLeak(in, w.text("Combo1"), values_);
    w.setText("Text6", plainText(values_.leakRate));
  });
}

}  // namespace tolvar::risk
