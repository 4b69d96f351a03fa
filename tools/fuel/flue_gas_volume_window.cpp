#include "tools/fuel/flue_gas_volume_window.h"

#include <string>

#include "framework/embedded_data.h"
#include "framework/window.h"

namespace tolvar::fuel {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kFlueGasVolumeTitle, {}};
  // The heading and the framed fields form the left column, the basis note the right one.
  d.columns = 2;
  d.add(heading("Heading", "每kg燃料燃烧时产生的烟气量计算").spanningColumns());
  d.add(frame("Frame1", ""));
  d.add(choiceList("Combo1", "请选择燃料类型：", {"固体燃料", "液体燃料", "气体燃料", "天燃气"})
            .in("Frame1"));
  d.add(numericField("Text1", "燃料热值的选取(以KJ为单位)：", "").in("Frame1"));
  d.add(numericField("Text2", "α0(空气过剩系数)选取：", "").in("Frame1"));
  d.add(numericField("Text3", "Δα(漏风系数)选取：", "").in("Frame1"));
  d.add(resultField("Text4", "每kg燃料燃烧时产生的烟气量=", "").withUnit("标立方米").in("Frame1"));
  d.add(resultField("Text6", "每T燃料燃烧时产生的烟气量=", "").withUnit("标立方米").in("Frame1"));
  d.add(label("Label1", "注：当燃料类型为天燃气时，漏风系数可以不填写，程序自动取值为0")
            .in("Frame1"));
  d.add(button("Command1", "计算").in("Frame1"));
  Control basis =
      note("Note", std::string(embeddedData("fuel/flue_gas_volume_basis.txt"))).locked();
  basis.tooltipBackground = true;
  d.add(std::move(basis));
  return d;
}

}  // namespace

FlueGasVolumeWindow::FlueGasVolumeWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    FlueGasVolume outcome = flueGasVolume(
        {w.text("Combo1"), w.text("Text1"), w.text("Text2"), w.text("Text3")}, values_);
    values_ = outcome.values;
    if (outcome.airLeakageCleared) w.setText("Text3", "0");
    if (outcome.message) w.message(*outcome.message);
    w.setText("Text4", outcome.perKilogramText);
    if (outcome.perTonneText) w.setText("Text6", *outcome.perTonneText);
  });
}

}  // namespace tolvar::fuel
