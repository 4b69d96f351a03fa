#pragma once

#include <span>
#include <string>
#include <string_view>

#include "framework/tool.h"
#include "framework/window_descriptor.h"

namespace tolvar::fuel {

// The controls that the live-recomputing fuel calculators share: dark green inputs, red
// results, a framed basis note and the small buttons beside fields.

Control liveInput(std::string name, std::string caption, std::string defaultText);
Control liveResult(std::string name, std::string caption);

// A read-only basis note on the tooltip colour, with its text from a file under data/.
Control basisNote(std::string name, std::string_view dataPath, int lines);

// A small button beside a field: it opens the reference table window of that title, or shows
// the message, or (with neither) does nothing.
struct SideButton {
  const char* name;
  const char* field;
  const char* table = nullptr;
  const char* message = nullptr;
};

// Adds the field, then the buttons that stand beside it, so that they join the field's row.
void addWithButtons(WindowDescriptor& descriptor, Control field,
                    std::span<const SideButton> buttons, std::string_view caption = "......?");

// What a click on the button does.
Handler sideButtonAction(const SideButton& button);

}  // namespace tolvar::fuel
