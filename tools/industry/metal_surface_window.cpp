#include "tools/industry/metal_surface_window.h"

#include <optional>
#include <string>

#include "framework/conversion.h"
#include "framework/window.h"
#include "tools/industry/metal_surface.h"

namespace tolvar::industry {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kMetalSurfaceTitle, {}};
  d.add(heading("Heading", kMetalSurfaceTitle));
  d.add(choiceList("Combo1", "请选择行业类别：",
                   {kCyanidePlating, kChromiumPlating, kCircuitBoards}));
  d.add(textField("Text1", "输入原料或产品量：", ""));
  d.add(textField("Text2", "说明：", ""));
  d.add(frame("Frame1", "产生的污染物"));
  d.add(note("Text3", "").in("Frame1").withLines(8));
  return d;
}

}  // namespace

MetalSurfaceWindow::MetalSurfaceWindow() : Tool(describe()) {
  on(Event::choose, "Combo1",
     [](Window& w) { w.setText("Text2", quantityHint(w.text("Combo1"))); });
  // A quantity that is not a number, empty after deleting or a lone sign, keeps the paragraph.
  on(Event::change, "Text1", [](Window& w) {
    std::optional<double> quantity = parseDouble(w.text("Text1"));
    if (!quantity) return;
    if (auto paragraph = metalSurfaceParagraph(w.text("Combo1"), *quantity)) {
      w.setText("Text3", *paragraph);
    }
  });
}

}  // namespace tolvar::industry
