#include "tools/water/cod_bod_window.h"

#include <string>

#include "framework/window.h"
#include "tools/water/cod_bod.h"

namespace tolvar::water {
namespace {

// Row i holds the COD field Text(i+1) and the BOD5 field Text(i+9).
std::string codField(std::size_t row) {
  return "Text" + std::to_string(row + 1);
}

std::string bod5Field(std::size_t row) {
  return "Text" + std::to_string(row + 9);
}

WindowDescriptor describe() {
  WindowDescriptor d{kCodBodTitle, {}};
  // COD fields in the left column, their BOD5 fields level with them in the right one.
  d.columns = 2;
  d.add(heading("Heading", "常见几种类型的废水COD与BOD的转换").spanningColumns());
  d.add(label("Label1", "COD"));
  for (std::size_t row = 0; row < codBodLines().size(); ++row) {
    d.add(textField(codField(row), std::string(codBodLines()[row].caption), "")
              .withColour(kDarkGreen));
  }
  d.add(label("Label2", "BOD5").startingColumn());
  for (std::size_t row = 0; row < codBodLines().size(); ++row) {
    d.add(resultField(bod5Field(row), "", "").withColour(kRed));
  }
  Control explanation =
      note("Note",
           "说明：COD与BOD5无必然联系，但是却也有一定的规律可循：1机械废水、 2冷却废水、"
           "3制药废水、4纺织印染废水、5食品加工废水、6饮食废水、 7医院废水、8生活污水，"
           "八种废水中各自的 BOD5与 CODcr(x)线性关系密切 ，据此可以由该类污染物的COD折算BOD5，"
           "此处折算有经验算法，折算出的BOD5可供参考！")
          .locked()
          .spanningColumns();
  explanation.tooltipBackground = true;
  d.add(std::move(explanation));
  return d;
}

}  // namespace

CodBodWindow::CodBodWindow() : Tool(describe()) {
  for (std::size_t row = 0; row < codBodLines().size(); ++row) {
    on(Event::change, codField(row), [row](Window& w) {
      const std::string bod5 = bod5Field(row);
      w.setText(bod5, bod5Text(codBodLines()[row], w.text(codField(row)), w.text(bod5)));
    });
  }
}

}  // namespace tolvar::water
