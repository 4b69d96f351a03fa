#include "tools/storage/fixed_roof_tank_window.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "framework/conversion.h"
#include "framework/window.h"
#include "tools/storage/fixed_roof_tank.h"
#include "tools/storage/fixed_roof_tank_source_window.h"

namespace tolvar::storage {
namespace {

constexpr const char* kLossHint =
    "当计算结果为0或未知时，请检查你的各项参数输入，是不是有为0或未知的参数！";

struct Hint {
  const char* button;
  const char* field;
  const char* text;
};

constexpr std::array<Hint, 8> kHints = {{
    {"DiameterHint", "Text3", "输入直径时，系统自动计算小直径罐的调节因子"},
    {"PaintFactorHint", "Text6", "涂层因子（无量纲），根据油漆状况取值在1~1.5之间"},
    {"AdjustmentFactorHint", "Text7",
     "用于小直径罐的调节因子（无量纲）;直径在0~9m之间的罐体，C=1-0.0123(D-9)^2  ; "
     "罐径大于9m的C=1；"},
    {"ProductFactorHint", "Text8", "产品因子（石油原油KC取0.65，其他的有机液体取1.0）"},
    {"TurnoverHint", "Text10", "输入周转次数，系统自动计算周转因子"},
    {"TurnoverFactorHint", "Text9",
     "取值按年周转次数（K）确定。K<=36,KN=1；36<K<=220,KN=11.467×K^-0.7026；K>220,KN=0.26"},
    {"BreathingLossHint", "Text11", kLossHint},
    {"WorkingLossHint", "Text12", kLossHint},
}};

struct LossInput {
  const char* field;
  const char* name;  // how the message names the field
};

// The nine inputs of the loss formulas, in the order they are read.
constexpr std::array<LossInput, 9> kLossInputs = {{
    {"Text1", "M-储罐内蒸气的分子量"},
    {"Text2", "P-真实的蒸气压力"},
    {"Text3", "D-罐的直径"},
    {"Text4", "H-平均蒸气空间高度"},
    {"Text5", "△T-一天之内的平均温度差"},
    {"Text6", "FP-涂层因子"},
    {"Text7", "C-用于小直径罐的调节因子"},
    {"Text8", "KC-产品因子"},
    {"Text9", "KN-周转因子"},
}};

WindowDescriptor describe() {
  WindowDescriptor d{kFixedRoofTankTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "固定顶罐的呼吸排放量和工作排放量的计算").spanningColumns());
  d.add(label("Label1", "请选择贮罐贮存的有机溶液的种类："));
  d.add(optionButton("Option1", "石油原油", true));
  d.add(optionButton("Option2", "其他有机液体"));
  auto input = [&](const char* name, const char* caption, const char* text) {
    d.add(textField(name, caption, text).withColour(kDarkGreen));
  };
  input("Text1", "M-储罐内蒸气的分子量：", "150");
  input("Text2", "P-在大量液体状态下，真实的蒸气压力（Pa）：", "10100");
  input("Text3", "D-罐的直径（m）：", "");
  input("Text4", "H-平均蒸气空间高度（m）：", "0.3");
  input("Text5", "△T-一天之内的平均温度差（℃）：", "15");
  input("Text6", "FP-涂层因子（无量纲）：", "1.25");
  input("Text7", "C-用于小直径罐的调节因子（无量纲）：", "");
  input("Text8", "KC-产品因子：", "0.65");
  input("Text10", "K-固顶贮罐年周转次数（次）：", "");
  input("Text9", "KN-周转因子（无量纲）：", "");
  d.add(button("Command1", "刷新结果"));
  d.add(resultField("Text11", "LB-固定顶罐的呼吸排放量（Kg/a）：", "").withColour(kRed));
  d.add(resultField("Text12", "LW-固定顶罐的工作损失（Kg/m3投入量）：", "").withColour(kRed));
  for (const Hint& hint : kHints) {
    d.add(button(hint.button, "......?").besideField(hint.field));
  }
  d.add(frame("Frame2", "说明").startingColumn());
  Control explanation =
      note("Note",
           "储存有机液体的基本罐型有固定顶罐、浮顶罐、可变蒸气空间罐和压力罐等五种，"
           "而固定顶罐是一种最普通的罐型，在国内最常被使用，是储存有机液体的普通罐型，"
           "一般认为是最低的接受水平，特别是在加油站和石油库用于储存汽油和柴油。")
          .in("Frame2")
          .locked();
  explanation.tooltipBackground = true;
  d.add(std::move(explanation));
  d.add(button("Command2", "查看资料原文"));
  return d;
}

// The nine inputs, or nothing after telling the user which one is not a number; the results are
// emptied then, so that none of earlier inputs stands as if it belonged to these.
std::optional<TankLossInputs> readLossInputs(Window& w) {
  std::array<double, kLossInputs.size()> values{};
  for (std::size_t i = 0; i < kLossInputs.size(); ++i) {
    std::optional<double> value = parseDouble(w.text(kLossInputs[i].field));
    if (!value) {
      w.setText("Text11", "");
      w.setText("Text12", "");
      w.message("“" + std::string(kLossInputs[i].name) +
                "”的输入不是有效的数值，请检查后再刷新结果。");
      return std::nullopt;
    }
    values[i] = *value;
  }
  return TankLossInputs{.molecularWeight = values[0],
                        .vapourPressure = values[1],
                        .diameter = values[2],
                        .vapourSpaceHeight = values[3],
                        .temperatureRange = values[4],
                        .paintFactor = values[5],
                        .adjustmentFactor = values[6],
                        .productFactor = values[7],
                        .turnoverFactor = values[8]};
}

void refreshResults(Window& w) {
  std::optional<TankLossInputs> inputs = readLossInputs(w);
  if (!inputs) return;
  TankLosses losses = tankLosses(*inputs);
  if (losses.hasZeroInput) {
    w.message("请检查你的各项参数的输入，你输入的参数中有为0的选项!请重新输入");
  }
  w.setText("Text11", losses.breathingText);
  w.setText("Text12", losses.workingText);
}

}  // namespace

FixedRoofTankWindow::FixedRoofTankWindow() : Tool(describe()) {
  on(Event::change, "Text3",
     [](Window& w) { w.setText("Text7", adjustmentFactorText(w.text("Text3"), w.text("Text7"))); });
  on(Event::change, "Text10",
     [](Window& w) { w.setText("Text9", turnoverFactorText(w.text("Text10"), w.text("Text9"))); });
  on(Event::click, "Option1", [](Window& w) { w.setText("Text8", "0.65"); });
  on(Event::click, "Option2", [](Window& w) { w.setText("Text8", "1"); });
  for (const Hint& hint : kHints) {
    on(Event::click, hint.button, [text = hint.text](Window& w) { w.message(text); });
  }
  on(Event::click, "Command1", refreshResults);
  on(Event::click, "Command2", [](Window& w) { w.open(kFixedRoofTankSourceTitle); });
}

}  // namespace tolvar::storage
