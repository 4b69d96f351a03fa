#include "tools/noise/attenuation_window.h"

#include "framework/window.h"

namespace tolvar::noise {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kAttenuationTitle, {}};
  d.add(heading("Heading", "噪声源衰减计算"));
  d.add(textField("Text1", "点声源：", "75").withColour(kDarkGreen));
  d.add(textField("Text2", "距点声源X米处：", "50").withColour(kDarkGreen));
  d.add(resultField("Text3", "距点声源X米处结果=", " ").withColour(kDarkGreen));
  Control basis = note("Note",
                       "计算依据：《环境评价上岗培训教\r\n"
                       "材》P185页；计算距点声源X米处衰减结果值！");
  basis.textColour = kBlack;
  basis.tooltipBackground = true;
  basis.readOnly = true;
  d.add(std::move(basis));
  return d;
}

}  // namespace

AttenuationWindow::AttenuationWindow() : Tool(describe()) {
  Handler recompute = [this](Window& w) {
    Attenuation outcome = attenuate(w.text("Text1"), w.text("Text2"), values_);
    values_ = outcome.values;
    w.setText("Text3", outcome.resultText);
  };
  on(Event::change, {"Text1", "Text2"}, recompute);
  on(Event::click, "Text3", recompute);
}

}  // namespace tolvar::noise
