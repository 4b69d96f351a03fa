#include "tools/fuel/live_window_controls.h"

#include <utility>

#include "framework/embedded_data.h"
#include "framework/window.h"

namespace tolvar::fuel {

Control liveInput(std::string name, std::string caption, std::string defaultText) {
  return textField(std::move(name), std::move(caption), std::move(defaultText))
      .withColour(kDarkGreen);
}

Control liveResult(std::string name, std::string caption) {
  return resultField(std::move(name), std::move(caption), "").withColour(kRed);
}

Control basisNote(std::string name, std::string_view dataPath, int lines) {
  Control basis = note(std::move(name), std::string(embeddedData(dataPath))).locked();
  basis.lines = lines;
  basis.tooltipBackground = true;
  return basis;
}

void addWithButtons(WindowDescriptor& descriptor, Control field,
                    std::span<const SideButton> buttons, std::string_view caption) {
  std::string name = field.name;
  descriptor.add(std::move(field));
  for (const SideButton& b : buttons) {
    if (name == b.field) descriptor.add(button(b.name, std::string(caption)).besideField(name));
  }
}

Handler sideButtonAction(const SideButton& button) {
  return [table = button.table, message = button.message](Window& w) {
    if (table) {
      w.open(table);
    } else if (message) {
      w.message(message);
    }
  };
}

}  // namespace tolvar::fuel
