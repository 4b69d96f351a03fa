#include "tools/noise/superposition_window.h"

#include <array>

#include "framework/window.h"

namespace tolvar::noise {
namespace {

constexpr std::array<const char*, 5> kSourceFields = {"Text1", "Text2", "Text3", "Text4", "Text5"};
constexpr std::array<const char*, 5> kSourceCaptions = {
    "第一个噪声源：", "第二个噪声源：", "第三个噪声源：", "第四个噪声源：", "第五个噪声源："};

WindowDescriptor describe() {
  WindowDescriptor d{kSuperpositionTitle, {}};
  d.add(heading("Heading", "噪声源叠加计算"));
  for (std::size_t i = 0; i < kSourceFields.size(); ++i) {
    d.add(textField(kSourceFields[i], kSourceCaptions[i], "0")
              .withUnit("dB(A)")
              .withColour(kDarkGreen));
  }
  d.add(resultField("Text6", "叠加结果=", " ").withUnit("dB（A）").withColour(kDarkGreen));
  Control basis =
      note("Note",
           "计算依据：《环境评价上岗培训教材》P181页；最多可算5个噪声源相互叠加后的结果；\r\n"
           "注意：当噪声源少于5个，其它的噪声源值请输入0");
  basis.textColour = kBlack;
  basis.tooltipBackground = true;
  basis.readOnly = true;
  d.add(std::move(basis));
  d.add(button("Command1", "计算"));
  d.add(button("Command2", "清除"));
  return d;
}

}  // namespace

SuperpositionWindow::SuperpositionWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    std::array<std::string, 5> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = w.text(kSourceFields[i]);
    Superposition outcome = superpose(texts, values_);
    values_ = outcome.values;
    w.setText("Text6", outcome.resultText);
  });
  on(Event::click, "Command2", [](Window& w) {
    for (const char* field : kSourceFields) w.setText(field, "0");
    w.setText("Text6", "0");
  });
}

}  // namespace tolvar::noise
