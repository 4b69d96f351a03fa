#pragma once

#include <optional>
#include <string>

#include "framework/tool.h"
#include "framework/window_descriptor.h"
#include "framework/worksheet.h"

namespace tolvar {

// The forms these windows come from were measured in twips, 15 to a pixel at 96 dpi.
constexpr int pixelsFromTwips(int twips) {
  return (twips + 7) / 15;
}

// Where things stand in an embedded-sheet window, in pixels of its client area.
struct EmbeddedSheetLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  Bounds box;  // the sheet box
  Bounds activateButton;
  Bounds closeButton;
};

// The texts of an embedded-sheet window; the defaults are those of a spreadsheet.
struct EmbeddedSheetTexts {
  std::string title = {};
  std::string heading = {};  // empty: the window has no heading
  std::string activateCaption = "激活（复原）表格";
  std::string closeCaption = "关闭EXCEL";
  // Shown when the sheet cannot be activated because its content failed to load.
  std::string unavailableMessage = "你的电脑上未装EXCEL，请装入以后，才能使用！";
};

// A window of a sheet box and two buttons under it. The box shows the sheet read-only until
// the activate button opens it for editing in place; the close button ends editing and keeps
// the values as last edited. Every opening starts again from the given sheet. A read-only
// sheet, a document for instance, can be activated but not edited. The box is the control
// "Sheet", the buttons "Activate" and "Close", the heading "Heading".
class EmbeddedSheetWindow : public Tool {
 public:
  EmbeddedSheetWindow(const EmbeddedSheetTexts& texts, const EmbeddedSheetLayout& layout,
                      std::optional<Worksheet> sheet, bool readOnly = false);
};

// The layout from the twips of a form: client area, sheet box (left, top, width, height) and
// the top-left corners of the two buttons, which are 1785 × 375 and 1575 × 375 twips.
EmbeddedSheetLayout embeddedSheetLayoutFromTwips(int clientWidth, int clientHeight, Bounds box,
                                                 int activateLeft, int activateTop, int closeLeft,
                                                 int closeTop);

}  // namespace tolvar
