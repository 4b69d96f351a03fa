#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/worksheet.h"

namespace tolvar {

enum class ControlKind {
  label,         // a text on the window; its text may change
  textField,     // plain one-line text field
  numericField,  // one-line field with select-all on focus and the keystroke filter
  resultField,   // one-line field that receives computed texts
  note,          // multi-line text (basis notes, report areas)
  richText,      // formatted read-only text
  choiceList,    // drop-down list; editable or selection-only
  optionButton,  // one of a group: the option buttons of one frame exclude each other
  checkBox,
  frame,  // a captioned group holding other controls
  button,
  link,       // a label that opens an address when clicked
  tabStrip,   // tab captions in items; controls on a page name it as parent with a page
  treeView,   // nodes in treeNodes
  picture,    // a drawing named by picture
  tableGrid,  // rows of cells, the first row the heading
  drawnText,  // text drawn directly on the window's surface
  // A worksheet shown as a picture until activated, editable while active.
  embeddedSheet,
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kDarkGreen{0, 128, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};

// A control's place in a window laid out at fixed positions, in pixels of the client area.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct TreeNode {
  std::string text;
  int parent = -1;  // index of the parent node, -1 for a top-level node
};

// One control of a window as it is at every opening.
struct Control {
  std::string name;
  ControlKind kind = ControlKind::label;
  std::string caption;             // the label left of a field, or the control's own caption
  std::string text;                // default text
  std::string unit;                // the unit written right of a field
  std::vector<std::string> items;  // list items or tab captions
  std::string parent;              // the frame or tab strip that holds it
  int page = -1;                   // the tab page, for controls held by a tab strip
  std::string beside;              // the field whose row this control joins
  std::optional<Rgb> textColour;
  std::optional<Rgb> backColour;
  bool tooltipBackground = false;  // drawn on the desktop's tooltip colour (basis notes)
  bool emphasised = false;         // a window's heading
  bool editable = true;            // choice lists: whether a text can be typed
  bool acrossColumns = false;      // in a window of several columns: a row of the whole width
  bool startsColumn = false;       // in a window of several columns: the first row of a column
  bool selectAllOnFocus = true;    // numeric entry fields; some filter keys but keep the caret
  bool readOnly = false;
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  std::string tooltip;
  std::string picture;                          // what a picture control draws
  std::vector<std::vector<std::string>> cells;  // table grid rows
  std::vector<TreeNode> treeNodes;
  int lines = 0;            // visible lines of a note; 0 lets the layout choose
  bool fixedPitch = false;  // a note shown in a fixed-width font, so that padded columns line up
  bool muted = false;       // secondary text, drawn in the desktop's muted text colour

  // An embedded sheet's content; none when it could not be loaded.
  std::optional<Worksheet> sheet;
  // The control's place in a window of fixed layout.
  std::optional<Bounds> bounds;

  Control&& withUnit(std::string value) && { return set(&Control::unit, std::move(value)); }
  Control&& withColour(Rgb value) && {
    textColour = value;
    return std::move(*this);
  }
  Control&& in(std::string frame, int tabPage = -1) && {
    parent = std::move(frame);
    page = tabPage;
    return std::move(*this);
  }
  Control&& besideField(std::string field) && { return set(&Control::beside, std::move(field)); }
  Control&& withTooltip(std::string value) && { return set(&Control::tooltip, std::move(value)); }
  Control&& hidden() && {
    visible = false;
    return std::move(*this);
  }
  Control&& disabled() && {
    enabled = false;
    return std::move(*this);
  }
  Control&& locked() && {
    readOnly = true;
    return std::move(*this);
  }
  Control&& spanningColumns() && {
    acrossColumns = true;
    return std::move(*this);
  }
  Control&& startingColumn() && {
    startsColumn = true;
    return std::move(*this);
  }
  Control&& withoutSelectAll() && {
    selectAllOnFocus = false;
    return std::move(*this);
  }
  Control&& at(Bounds place) && {
    bounds = place;
    return std::move(*this);
  }
  Control&& withLines(int count) && {
    lines = count;
    return std::move(*this);
  }
  Control&& inFixedPitch() && {
    fixedPitch = true;
    return std::move(*this);
  }
  Control&& inMutedColour() && {
    muted = true;
    return std::move(*this);
  }

 private:
  Control&& set(std::string Control::*member, std::string value) {
    this->*member = std::move(value);
    return std::move(*this);
  }
};

Control label(std::string name, std::string text);
Control heading(std::string name, std::string text);  // an emphasised label at the top
Control textField(std::string name, std::string caption, std::string defaultText);
Control numericField(std::string name, std::string caption, std::string defaultText);
Control resultField(std::string name, std::string caption, std::string defaultText);
Control note(std::string name, std::string text);
Control richText(std::string name, std::string text);
Control choiceList(std::string name, std::string caption, std::vector<std::string> items,
                   bool editable = true);
Control optionButton(std::string name, std::string caption, bool checked = false);
Control checkBox(std::string name, std::string caption, bool checked = false);
Control frame(std::string name, std::string caption);
Control button(std::string name, std::string caption);
Control link(std::string name, std::string text, std::string tooltip);
Control tabStrip(std::string name, std::vector<std::string> tabs);
Control treeView(std::string name, std::vector<TreeNode> nodes);
Control picture(std::string name, std::string drawing);
Control tableGrid(std::string name, std::vector<std::vector<std::string>> rows);
Control drawnText(std::string name, std::string text);
// Read-only sheets can be activated to be looked through but not edited.
Control embeddedSheet(std::string name, std::optional<Worksheet> sheet, bool readOnly = false);

// A tool window as it is at every opening: its title (also its identity), heading and
// controls in order.
struct WindowDescriptor {
  std::string title;
  std::vector<Control> controls;
  int columns = 1;  // columns that the window's top-level rows flow into
  // Set for a window whose controls stand at their bounds in a client area of this size.
  std::optional<Bounds> fixedLayout = std::nullopt;

  WindowDescriptor& add(Control control) {
    controls.push_back(std::move(control));
    return *this;
  }
  const Control* find(std::string_view name) const;
};

}  // namespace tolvar
