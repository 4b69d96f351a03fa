#include "tools/process/process_controls.h"

#include <string>

#include "framework/embedded_data.h"

namespace tolvar::process {

Control input(const char* name, const char* caption, const char* defaultText) {
  return textField(name, caption, defaultText).withColour(kDarkGreen);
}

Control numericInput(const char* name, const char* caption) {
  return numericField(name, caption, "").withColour(kDarkGreen);
}

Control result(const char* name, const char* caption) {
  return resultField(name, caption, " ").withColour(kRed);
}

Control basisNote(std::string_view dataPath) {
  Control basis = note("Note", std::string(embeddedData(dataPath))).locked().startingColumn();
  basis.tooltipBackground = true;
  return basis;
}

}  // namespace tolvar::process
