#include "tools/noise/level_difference_window.h"

#include "framework/window.h"
#include "tools/noise/level_difference.h"

namespace tolvar::noise {
namespace {

// Without a difference the result field is left empty, as at opening, so that no earlier
// difference stays on show.
constexpr const char* kNoDifferenceText = "";

WindowDescriptor describe() {
  WindowDescriptor d{kLevelDifferenceTitle, {}};
  d.add(heading("Heading", "分贝相减运算"));
  d.add(textField("Text1", "被减数[dB]", "68").withColour(kDarkGreen));
  d.add(label("MinusSign", "－").besideField("Text1"));
  d.add(textField("Text2", "减数[dB]", "65").withColour(kDarkGreen));
  d.add(label("EqualsSign", "＝").besideField("Text2"));
  d.add(resultField("Text3", "差[dB]", "").withColour(kDarkGreen));
  return d;
}

}  // namespace

LevelDifferenceWindow::LevelDifferenceWindow() : Tool(describe()) {
  Handler recompute = [](Window& w) {
    w.setText("Text3",
              levelDifference(w.text("Text1"), w.text("Text2")).value_or(kNoDifferenceText));
  };
  on(Event::change, {"Text1", "Text2"}, recompute);
  on(Event::click, "Text3", recompute);
}

}  // namespace tolvar::noise
