#pragma once

#include <string_view>

#include "framework/window_descriptor.h"

// The controls that the process windows share in look: dark green inputs, red results and a
// basis note from data/ on the tooltip colour in the right-hand column.
namespace tolvar::process {

Control input(const char* name, const char* caption, const char* defaultText);
Control numericInput(const char* name, const char* caption);  // opens empty
Control result(const char* name, const char* caption);        // opens holding one space
Control basisNote(std::string_view dataPath);

}  // namespace tolvar::process
