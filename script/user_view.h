#pragma once

#include <string>

#include "framework/window.h"

namespace tolvar {

// What the user sees of a control, beyond its own state.

// What the user sees the control as: "field", "list", "button", …
const char* kindName(ControlKind kind);
// Shown, and so are the frames and tab pages that hold it.
bool isShowing(const Window& window, const std::string& control);
// The user can type or paste its text.
bool isEditable(const Window& window, const std::string& control);

}  // namespace tolvar
