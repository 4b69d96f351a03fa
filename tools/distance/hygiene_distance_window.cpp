#include "tools/distance/hygiene_distance_window.h"

#include <array>

#include "framework/number_format.h"
#include "framework/window.h"

namespace tolvar::distance {
namespace {

constexpr std::array<const char*, 3> kInputFields = {"Text7", "Text1", "Text8"};

WindowDescriptor describe() {
  WindowDescriptor d{kHygieneDistanceTitle, {}};
  d.add(heading("Heading", "卫生防护距离计算"));
  d.add(frame("Frame1", "参数输入"));
  d.add(numericField("Text7", "无组织排放量Kg/h）：", "0.005").withoutSelectAll().in("Frame1"));
  d.add(numericField("Text1", "标准浓度限值（mg/M3）：", "0.03").withoutSelectAll().in("Frame1"));
  d.add(numericField("Text8", "生产单元占地面积（M2）：", "200").withoutSelectAll().in("Frame1"));
  d.add(choiceList("Combo1", "请选择风速（m/s）：", {"大于4", "大于2小于4", "小于2"}).in("Frame1"));
  d.add(choiceList("Combo4", "排放同种有害气体的排气筒：", {"有", "无"}).in("Frame1"));
  d.add(
      choiceList("Combo2", "排气筒的污染物排放量：", {"大于允许1/3", "小于允许1/3"}).in("Frame1"));
  d.add(choiceList("Combo3", "有害物质容许浓度指标按：", {"急性指标", "慢性指标"})
            .in("Frame1")
            .hidden());
  d.add(resultField("Text6", "卫生防护距离(米)：", " "));
  d.add(button("Command1", "计算"));
  d.add(button("Command2", "清除"));
  d.add(frame("Frame2", "说明："));
  Control explanation =
      note("Note",
           "防护距离在1000米以上，程序会自动试算，后重新选取ABCD值，后再计算！\r\n"
           "与对照程序相比，1000米以内的结果相差不超过0.05米，1000米以上相差不超过10米，"
           "差别来自逐步累加的计算方法，而非参数的选取。")
          .in("Frame2");
  explanation.tooltipBackground = true;
  explanation.readOnly = true;
  d.add(std::move(explanation));
  return d;
}

}  // namespace

HygieneDistanceWindow::HygieneDistanceWindow() : Tool(describe()) {
  on(Event::choose, "Combo4", [](Window& w) {
    const std::string& stacks = w.text("Combo4");
    w.setVisible("Combo2", stacks == "有");
    w.setVisible("Combo3", stacks == "无");
  });
  on(Event::click, "Command1", [this](Window& w) {
    HygieneInput input{w.text("Text7"),
                       w.text("Text1"),
                       w.text("Text8"),
                       {w.text("Combo1"), w.text("Combo4"), w.text("Combo2"), w.text("Combo3")}};
    HygieneDistance outcome = hygieneDistance(input, values_);
    values_ = outcome.values;
    for (const std::string& message : outcome.messages) w.message(message);
    w.setText("Text6", outcome.resultText);
  });
  on(Event::click, "Command2", [](Window& w) {
    std::string cleared = plainText(0.00001);
    for (const char* field : kInputFields) w.setText(field, cleared);
    w.setText("Text6", cleared);
  });
}

}  // namespace tolvar::distance
