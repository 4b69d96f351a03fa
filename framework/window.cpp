#include "framework/window.h"

#include <algorithm>
#include <stdexcept>

#include "framework/keystroke_filter.h"
#include "framework/utf8.h"

namespace tolvar {
namespace {

// Handlers that set each other's fields could recurse without end; past this depth further
// events are dropped instead of exhausting the stack.
constexpr int kMaximumDispatchDepth = 64;

std::vector<std::string> repaired(std::vector<std::string> texts) {
  for (std::string& text : texts) text = utf8::repaired(std::move(text));
  return texts;
}

// Keeps the selection inside the text and on character boundaries, whatever the offsets.
void placeSelection(ControlState& state, std::size_t start, std::size_t length) {
  start = std::min(start, state.text.size());
  std::size_t end = start + std::min(length, state.text.size() - start);
  state.selectionStart = utf8::boundaryAtOrBefore(state.text, start);
  state.selectionLength = utf8::boundaryAtOrBefore(state.text, end) - state.selectionStart;
}

// A control's text changes only through here, so it never holds bytes that are not UTF-8 nor
// keeps a caret from an older, longer text.
void storeText(ControlState& state, std::string text, std::size_t caret) {
  state.text = utf8::repaired(std::move(text));
  placeSelection(state, caret, 0);
}

ControlState initialState(const Control& control) {
  ControlState state;
  state.text = utf8::repaired(control.text);
  state.caption = utf8::repaired(control.caption);
  state.items = repaired(control.items);
  for (const TreeNode& node : control.treeNodes) state.items.push_back(utf8::repaired(node.text));
  state.visible = control.visible;
  state.enabled = control.enabled;
  state.readOnly = control.readOnly;
  state.checked = control.checked;
  state.textColour = control.textColour;
  for (const auto& row : control.cells) state.cells.push_back(repaired(row));
  state.sheet = control.sheet;
  return state;
}

}  // namespace

Window::Window(const Tool& tool, WindowContext& context) : tool_(tool), context_(context) {
  for (const Control& control : descriptor().controls) states_.push_back(initialState(control));
}

bool Window::has(std::string_view control) const {
  return descriptor().find(control) != nullptr;
}

const Control& Window::control(std::string_view name) const {
  const Control* found = descriptor().find(name);
  if (found == nullptr) {
    throw std::out_of_range("no control " + std::string(name) + " in " + title());
  }
  return *found;
}

const ControlState& Window::state(std::string_view control) const {
  const auto& controls = descriptor().controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].name == control) return states_[i];
  }
  throw std::out_of_range("no control " + std::string(control) + " in " + title());
}

ControlState& Window::mutableState(std::string_view control) {
  return const_cast<ControlState&>(state(control));
}

const std::string& Window::nameOf(std::string_view control) const {
  return this->control(control).name;
}

void Window::changed(std::string_view control, ControlChange change) {
  if (observer_) observer_(nameOf(control), change);
}

void Window::dispatch(Event event, std::string_view control) {
  if (dispatchDepth_ >= kMaximumDispatchDepth) return;
  auto keepAlive = weak_from_this().lock();  // a handler may close its own window
  ++dispatchDepth_;
  tool_.handle(event, event == Event::load ? std::string() : nameOf(control), *this);
  --dispatchDepth_;
}

void Window::setText(std::string_view control, std::string text) {
  ControlState& state = mutableState(control);
  text = utf8::repaired(std::move(text));
  if (state.text == text) return;
  storeText(state, std::move(text), state.selectionStart);
  changed(control, ControlChange::text);
  dispatch(Event::change, control);
}

void Window::setCaption(std::string_view control, std::string caption) {
  mutableState(control).caption = utf8::repaired(std::move(caption));
  changed(control, ControlChange::caption);
}

void Window::setItems(std::string_view control, std::vector<std::string> items) {
  ControlState& state = mutableState(control);
  state.items = repaired(std::move(items));
  state.selectedItem = -1;
  changed(control, ControlChange::items);
}

void Window::addItem(std::string_view control, std::string item) {
  mutableState(control).items.push_back(utf8::repaired(std::move(item)));
  changed(control, ControlChange::items);
}

void Window::setSelectedItem(std::string_view control, int index) {
  ControlState& state = mutableState(control);
  if (index < -1 || index >= static_cast<int>(state.items.size())) {
    throw std::out_of_range("no item " + std::to_string(index) + " in " + std::string(control));
  }
  state.selectedItem = index;
  changed(control, ControlChange::selection);
  if (index >= 0 && state.text != state.items[index]) {
    // The chosen item replaces the whole text; the caret follows it to the end.
    storeText(state, state.items[index], state.items[index].size());
    changed(control, ControlChange::text);
  }
  dispatch(Event::choose, control);
}

void Window::setVisible(std::string_view control, bool visible) {
  mutableState(control).visible = visible;
  changed(control, ControlChange::visibility);
}

void Window::setEnabled(std::string_view control, bool enabled) {
  mutableState(control).enabled = enabled;
  changed(control, ControlChange::enabled);
}

void Window::setReadOnly(std::string_view control, bool readOnly) {
  mutableState(control).readOnly = readOnly;
  changed(control, ControlChange::enabled);
}

void Window::setChecked(std::string_view control, bool checked) {
  const Control& option = this->control(control);
  ControlState& state = mutableState(control);
  bool wasChecked = state.checked;
  state.checked = checked;
  if (checked && option.kind == ControlKind::optionButton) {
    const auto& controls = descriptor().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const Control& other = controls[i];
      if (other.kind != ControlKind::optionButton || other.name == option.name ||
          other.parent != option.parent || !states_[i].checked) {
        continue;
      }
      states_[i].checked = false;
      changed(other.name, ControlChange::checked);
    }
  }
  changed(control, ControlChange::checked);
  bool fires =
      option.kind == ControlKind::optionButton ? checked && !wasChecked : checked != wasChecked;
  if (fires) dispatch(Event::click, control);
}

void Window::setTextColour(std::string_view control, Rgb colour) {
  mutableState(control).textColour = colour;
  changed(control, ControlChange::colour);
}

void Window::setCells(std::string_view control, std::vector<std::vector<std::string>> rows) {
  for (auto& row : rows) row = repaired(std::move(row));
  mutableState(control).cells = std::move(rows);
  changed(control, ControlChange::cells);
}

void Window::setActive(std::string_view control, bool active) {
  mutableState(control).active = active;
  changed(control, ControlChange::sheet);
}

void Window::select(std::string_view control, std::size_t start, std::size_t length) {
  placeSelection(mutableState(control), start, length);
  changed(control, ControlChange::selection);
}

void Window::scrollTo(std::string_view control, int item) {
  mutableState(control).scrolledItem = item;
  changed(control, ControlChange::scroll);
}

void Window::drawLine(std::string_view control, std::string line) {
  if (this->control(control).kind != ControlKind::drawnText) {
    throw std::logic_error("lines are drawn on a drawn-text control, not on " +
                           std::string(control));
  }
  ControlState& state = mutableState(control);
  state.text += (state.items.empty() ? "" : "\n") + line;
  state.items.push_back(std::move(line));
  changed(control, ControlChange::text);
}

void Window::moveFocus(std::string_view control) {
  focused_ = nameOf(control);
  changed(control, ControlChange::focus);
}

void Window::load() {
  dispatch(Event::load, "");
}

void Window::edit(std::string_view control, std::string text) {
  ControlState& state = mutableState(control);
  std::size_t end = text.size();
  storeText(state, std::move(text), end);
  changed(control, ControlChange::text);
  dispatch(Event::change, control);
}

bool Window::keystroke(std::string_view control, char32_t key, std::size_t caret) {
  if (this->control(control).kind == ControlKind::numericField) {
    if (auto refusal = refusedKeystroke(key, text(control), caret)) {
      message(std::string(*refusal));
      return false;
    }
  }
  return tool_.handleKey(nameOf(control), key, *this);
}

bool Window::type(std::string_view control, char32_t key) {
  placeSelection(mutableState(control), state(control).selectionStart,
                 state(control).selectionLength);
  const ControlState& before = state(control);
  // The caret is counted in characters, as the user sees the text.
  std::size_t caret = utf8::characterCount(before.text.substr(0, before.selectionStart));
  if (!keystroke(control, key, caret)) return false;
  // A locked field hears its keys but keeps its text, as it does on the screen.
  if (state(control).readOnly) return true;
  ControlState& state = mutableState(control);
  std::string text = state.text;
  std::size_t start = state.selectionStart;
  std::size_t length = state.selectionLength;
  if (key == U'\b') {
    if (length == 0 && start > 0) {
      std::size_t previous = utf8::previousBoundary(text, start);
      length = start - previous;
      start = previous;
    }
    text.erase(start, length);
  } else if (key == U'\r' || key == U'\n' || key < 0x20 || key == 0x7f || !utf8::isCharacter(key)) {
    return true;  // control characters and non-characters insert nothing into a one-line field
  } else {
    std::string inserted = utf8::encode(key);
    text.replace(start, length, inserted);
    start += inserted.size();
  }
  if (text == state.text) {
    state.selectionStart = start;
    state.selectionLength = 0;
    return true;
  }
  state.text = std::move(text);
  state.selectionStart = start;
  state.selectionLength = 0;
  changed(control, ControlChange::text);
  dispatch(Event::change, control);
  return true;
}

void Window::focus(std::string_view control) {
  const Control& field = this->control(control);
  focused_ = field.name;
  if (field.kind == ControlKind::numericField && field.selectAllOnFocus) {
    select(control, 0, text(control).size());
  }
  dispatch(Event::focus, control);
}

void Window::click(std::string_view control) {
  switch (this->control(control).kind) {
    case ControlKind::optionButton:
      setChecked(control, true);
      return;
    case ControlKind::checkBox:
      setChecked(control, !state(control).checked);
      return;
    default:
      dispatch(Event::click, control);
  }
}

void Window::choose(std::string_view control, int index) {
  setSelectedItem(control, index);
}

void Window::choosePage(std::string_view control, int page) {
  ControlState& state = mutableState(control);
  if (page < 0 || page >= static_cast<int>(state.items.size())) {
    throw std::out_of_range("no page " + std::to_string(page) + " in " + std::string(control));
  }
  state.currentPage = page;
  changed(control, ControlChange::page);
  dispatch(Event::click, control);
}

bool Window::enterCell(std::string_view control, CellRef cell, std::string text) {
  ControlState& state = mutableState(control);
  if (!state.active || state.readOnly || !state.sheet || !state.sheet->contains(cell)) {
    return false;
  }
  state.sheet->enter(cell, std::move(text));
  changed(control, ControlChange::sheet);
  dispatch(Event::change, control);
  return true;
}

Answer Window::message(std::string text) {
  MessageBox box;
  box.text = std::move(text);
  return message(box);
}

}  // namespace tolvar
