#include "script/user_view.h"

namespace tolvar {

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::label:
      return "label";
    case ControlKind::textField:
      return "field";
    case ControlKind::numericField:
      return "field";
    case ControlKind::resultField:
      return "result";
    case ControlKind::note:
      return "text area";
    case ControlKind::richText:
      return "rich text";
    case ControlKind::choiceList:
      return "list";
    case ControlKind::optionButton:
      return "option";
    case ControlKind::checkBox:
      return "check box";
    case ControlKind::frame:
      return "frame";
    case ControlKind::button:
      return "button";
    case ControlKind::link:
      return "link";
    case ControlKind::tabStrip:
      return "tabs";
    case ControlKind::treeView:
      return "tree";
    case ControlKind::picture:
      return "picture";
    case ControlKind::tableGrid:
      return "table";
    case ControlKind::drawnText:
      return "drawn text";
    case ControlKind::embeddedSheet:
      return "sheet";
  }
  return "control";
}

bool isShowing(const Window& window, const std::string& control) {
  for (std::string name = control; !name.empty(); name = window.control(name).parent) {
    const Control& c = window.control(name);
    if (!window.state(name).visible) return false;
    if (!c.parent.empty() && window.control(c.parent).kind == ControlKind::tabStrip &&
        window.state(c.parent).currentPage != c.page) {
      return false;
    }
  }
  return true;
}

bool isEditable(const Window& window, const std::string& control) {
  const Control& c = window.control(control);
  const ControlState& s = window.state(control);
  bool typed = c.kind == ControlKind::textField || c.kind == ControlKind::numericField ||
               c.kind == ControlKind::resultField || c.kind == ControlKind::note ||
               (c.kind == ControlKind::choiceList && c.editable);
  if (c.kind == ControlKind::embeddedSheet) return s.active && !s.readOnly;
  return typed && s.enabled && !s.readOnly;
}

}  // namespace tolvar
