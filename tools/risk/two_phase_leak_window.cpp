#include "tools/risk/two_phase_leak_window.h"

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/risk/two_phase_leak.h"

namespace tolvar::risk {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kTwoPhaseLeakTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "风险评价液气两相泄漏量的计算").spanningColumns());
  d.add(frame("Frame1", "参数输入"));
  auto input = [&](const char* name, const char* caption, const char* text) {
    d.add(textField(name, caption, text).in("Frame1").withColour(kDarkGreen));
  };
  input("Text1", "请输入裂口面积（m2）：", "0.02");
  input("Text2", "操作压力或容器压力（Pa）：", "12000");
  input("Text3", "两相混合物定压比热J/(kg·K)：", "10100");
  input("Text4", "两相混合物的温度，K：", "300");
  input("Text5", "液体在临界压力下的沸点，K：", "260");
  input("Text7", "液体气化热，J/Kg：", "500");
  input("Text8", "液体蒸发的蒸气密度，kg/m3：", "1000");
  input("Text9", "液体密度，kg/m3：", "1200");
  d.add(resultField("Text6", "两相流泄速度（Kg/s）：", "").withColour(kRed));
  d.add(label("FormulaLabel", "计算公式：").startingColumn());
  d.add(picture("Picture1", "risk/two_phase_leak_formula.html"));
  Control basis = note("Note",
                       "式中：\r\n"
                       "QLG--两相流泄漏速度，kg/s；\r\n"
                       "Cd--两相流泄漏系数，可取0.8；\r\n"
                       "A --裂口面积，m2；\r\n"
                       "P --操作压力或容器压力，Pa；\r\n"
                       "PC --临界压力，Pa，可取PC=0.55P；\r\n"
                       "ρm--两相混合物的平均密度，kg/m3；\r\n"
                       "注意：当FV＞1时，表明液体将全部蒸发成气体，这时应按气体泄漏计算；"
                       "如果FV很小，则可近似地按液体泄漏公式计算。")
                      .locked();
  basis.tooltipBackground = true;
  d.add(std::move(basis));
  return d;
}

void recompute(Window& w) {
  TwoPhaseLeak leak = twoPhaseLeak({.holeArea = w.text("Text1"),
                                    .pressure = w.text("Text2"),
                                    .specificHeat = w.text("Text3"),
                                    .mixtureTemperature = w.text("Text4"),
                                    .boilingPoint = w.text("Text5"),
                                    .heatOfVaporisation = w.text("Text7"),
                                    .vapourDensity = w.text("Text8"),
                                    .liquidDensity = w.text("Text9")});
  w.setText("Text6", plainText(leak.leakRate));
}

}  // namespace

TwoPhaseLeakWindow::TwoPhaseLeakWindow() : Tool(describe()) {
  on(Event::change, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text7", "Text8", "Text9"},
     recompute);
  on(Event::click, "Text6", recompute);
}

}  // namespace tolvar::risk
