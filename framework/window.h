#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/message_box.h"
#include "framework/tool.h"
#include "framework/window_descriptor.h"

namespace tolvar {

// What a window needs from the program around it: message boxes, other windows, the desktop.
class WindowContext {
 public:
  virtual ~WindowContext() = default;
  virtual Answer ask(const MessageBox& box) = 0;
  virtual void open(std::string_view identity) = 0;
  virtual void close(std::string_view identity) = 0;
  // Whether the desktop could start it.
  virtual bool launch(const LaunchRequest& request) = 0;
};

// The live state of one control.
struct ControlState {
  std::string text;
  std::string caption;
  std::vector<std::string> items;
  int selectedItem = -1;
  int scrolledItem = -1;
  std::size_t selectionStart = 0;
  std::size_t selectionLength = 0;
  int currentPage = 0;
  bool visible = true;
  bool enabled = true;
  bool readOnly = false;
  bool checked = false;
  std::optional<Rgb> textColour;
  std::vector<std::vector<std::string>> cells;
  std::optional<Worksheet> sheet;  // an embedded sheet's content as last edited
  bool active = false;             // an embedded sheet open for editing in place
};

enum class ControlChange {
  text,
  caption,
  items,
  scroll,
  selection,
  page,
  visibility,
  enabled,
  checked,
  colour,
  cells,
  sheet,  // an embedded sheet's content or its activation
  focus
};

// One opening of a tool window: the controls' current state, the events that reach the tool's
// handlers, and the handlers' requests. Texts start from the descriptor's defaults at every
// opening; the tool keeps whatever must outlive the window.
class Window : public std::enable_shared_from_this<Window> {
 public:
  Window(const Tool& tool, WindowContext& context);

  const std::string& title() const { return descriptor().title; }
  const WindowDescriptor& descriptor() const { return tool_.descriptor(); }
  bool has(std::string_view control) const;
  const Control& control(std::string_view name) const;
  const ControlState& state(std::string_view control) const;
  const std::string& text(std::string_view control) const { return state(control).text; }

  // Changes by handlers. Each tells the view; a text change fires the control's change event
  // when the text differs, as a user's edit would.
  void setText(std::string_view control, std::string text);
  void setCaption(std::string_view control, std::string caption);
  void setItems(std::string_view control, std::vector<std::string> items);
  void addItem(std::string_view control, std::string item);
  void setSelectedItem(std::string_view control, int index);  // fires the choose event
  void setVisible(std::string_view control, bool visible);
  void setEnabled(std::string_view control, bool enabled);
  void setReadOnly(std::string_view control, bool readOnly);
  void setChecked(std::string_view control, bool checked);  // checking fires the click event
  void setTextColour(std::string_view control, Rgb colour);
  void setCells(std::string_view control, std::vector<std::vector<std::string>> rows);
  void select(std::string_view control, std::size_t start, std::size_t length);
  void scrollTo(std::string_view control, int item);  // brings a tree node or list item into view
  void setActive(std::string_view control, bool active);  // an embedded sheet's state
  void moveFocus(std::string_view control);           // sends the focus to a control
  // The control that last gained the focus, by the user or a handler; empty before any.
  const std::string& focused() const { return focused_; }

  // What the user does, from the view or a script.
  void load();
  void edit(std::string_view control, std::string text);  // one edit; fires change once
  bool keystroke(std::string_view control, char32_t key, std::size_t caret);
  bool type(std::string_view control, char32_t key);  // keystroke plus insertion at selection
  void focus(std::string_view control);
  void click(std::string_view control);
  void choose(std::string_view control, int index);
  void choosePage(std::string_view control, int page);
  // A cell typed and confirmed in an embedded sheet; refused (false) unless the sheet is active
  // and editable. Fires the sheet's change event.
  bool enterCell(std::string_view control, CellRef cell, std::string text);

  // Requests of handlers.
  Answer message(const MessageBox& box) { return context_.ask(box); }
  Answer message(std::string text);
  void open(std::string_view identity) { context_.open(identity); }
  bool launch(const LaunchRequest& request) { return context_.launch(request); }
  void close() { context_.close(title()); }

  using Observer = std::function<void(const std::string& control, ControlChange change)>;
  void setObserver(Observer observer) { observer_ = std::move(observer); }

 private:
  ControlState& mutableState(std::string_view control);
  const std::string& nameOf(std::string_view control) const;
  void changed(std::string_view control, ControlChange change);
  void dispatch(Event event, std::string_view control);

  const Tool& tool_;
  WindowContext& context_;
  std::vector<ControlState> states_;  // in descriptor order
  Observer observer_;
  std::string focused_;
  int dispatchDepth_ = 0;
};

}  // namespace tolvar
