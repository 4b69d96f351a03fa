#pragma once

#include "framework/tool.h"

namespace tolvar {

// The about box, the help window and the note window, opened like tool windows.
void registerShellWindows(ToolRegistry& registry);

}  // namespace tolvar
