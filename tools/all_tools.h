#pragma once

#include "framework/tool.h"

namespace tolvar {

// Every tool window of the program, registered under its identity.
ToolRegistry allTools();

}  // namespace tolvar
