#include "framework/window_descriptor.h"

namespace tolvar {
namespace {

Control make(ControlKind kind, std::string name, std::string caption, std::string text) {
  Control control;
  control.kind = kind;
  control.name = std::move(name);
  control.caption = std::move(caption);
  control.text = std::move(text);
  return control;
}

}  // namespace

Control label(std::string name, std::string text) {
  return make(ControlKind::label, std::move(name), "", std::move(text));
}

Control heading(std::string name, std::string text) {
  Control control = label(std::move(name), std::move(text));
  control.emphasised = true;
  return control;
}

Control textField(std::string name, std::string caption, std::string defaultText) {
  return make(ControlKind::textField, std::move(name), std::move(caption), std::move(defaultText));
}

Control numericField(std::string name, std::string caption, std::string defaultText) {
  return make(ControlKind::numericField, std::move(name), std::move(caption),
              std::move(defaultText));
}

Control resultField(std::string name, std::string caption, std::string defaultText) {
  return make(ControlKind::resultField, std::move(name), std::move(caption),
              std::move(defaultText));
}

Control note(std::string name, std::string text) {
  return make(ControlKind::note, std::move(name), "", std::move(text));
}

Control richText(std::string name, std::string text) {
  Control control = make(ControlKind::richText, std::move(name), "", std::move(text));
  control.readOnly = true;
  return control;
}

Control choiceList(std::string name, std::string caption, std::vector<std::string> items,
                   bool editable) {
  Control control = make(ControlKind::choiceList, std::move(name), std::move(caption), "");
  control.items = std::move(items);
  control.editable = editable;
  return control;
}

Control optionButton(std::string name, std::string caption, bool checked) {
  Control control = make(ControlKind::optionButton, std::move(name), std::move(caption), "");
  control.checked = checked;
  return control;
}

Control checkBox(std::string name, std::string caption, bool checked) {
  Control control = make(ControlKind::checkBox, std::move(name), std::move(caption), "");
  control.checked = checked;
  return control;
}

Control frame(std::string name, std::string caption) {
  return make(ControlKind::frame, std::move(name), std::move(caption), "");
}

Control button(std::string name, std::string caption) {
  return make(ControlKind::button, std::move(name), std::move(caption), "");
}

Control link(std::string name, std::string text, std::string tooltip) {
  Control control = make(ControlKind::link, std::move(name), "", std::move(text));
  control.tooltip = std::move(tooltip);
  return control;
}

Control tabStrip(std::string name, std::vector<std::string> tabs) {
  Control control = make(ControlKind::tabStrip, std::move(name), "", "");
  control.items = std::move(tabs);
  return control;
}

Control treeView(std::string name, std::vector<TreeNode> nodes) {
  Control control = make(ControlKind::treeView, std::move(name), "", "");
  control.treeNodes = std::move(nodes);
  return control;
}

Control picture(std::string name, std::string drawing) {
  Control control = make(ControlKind::picture, std::move(name), "", "");
  control.picture = std::move(drawing);
  return control;
}

Control tableGrid(std::string name, std::vector<std::vector<std::string>> rows) {
  Control control = make(ControlKind::tableGrid, std::move(name), "", "");
  control.cells = std::move(rows);
  return control;
}

Control drawnText(std::string name, std::string text) {
  return make(ControlKind::drawnText, std::move(name), "", std::move(text));
}

Control embeddedSheet(std::string name, std::optional<Worksheet> sheet, bool readOnly) {
  Control control = make(ControlKind::embeddedSheet, std::move(name), "", "");
  control.sheet = std::move(sheet);
  control.readOnly = readOnly;
  return control;
}

const Control* WindowDescriptor::find(std::string_view name) const {
  for (const Control& control : controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

}  // namespace tolvar
