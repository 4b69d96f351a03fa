#include "script/script_runner.h"

#include <algorithm>
#include <stdexcept>

#include "framework/utf8.h"
#include "report/sheet_text.h"
#include "script/user_view.h"
#include "shell/catalogue.h"
#include "tools/all_tools.h"

namespace tolvar {
namespace {

// A failure of the script itself (unknown action, control, item or window).
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool isField(ControlKind kind) {
  return kind == ControlKind::textField || kind == ControlKind::numericField ||
         kind == ControlKind::resultField || kind == ControlKind::note ||
         kind == ControlKind::choiceList;
}

// Controls whose text the user types or reads as a field's text: what a frame's caption names
// when the frame holds only one of them.
bool isTextBox(ControlKind kind) {
  return kind == ControlKind::textField || kind == ControlKind::numericField ||
         kind == ControlKind::resultField || kind == ControlKind::note ||
         kind == ControlKind::richText;
}

bool hasOwnCaption(ControlKind kind) {
  return kind == ControlKind::button || kind == ControlKind::optionButton ||
         kind == ControlKind::checkBox;
}

std::string stringOf(const nlohmann::ordered_json& value, const char* what) {
  if (!value.is_string()) throw ScriptError(std::string(what) + " must be a string");
  return value.get<std::string>();
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& out) : out_(out), desktop_(allTools(), *this) {}

int ScriptRunner::run(std::istream& in) {
  for (std::string line; std::getline(in, line);) runLine(line);
  return failed_ ? 1 : 0;
}

void ScriptRunner::runLine(const std::string& line) {
  if (line.find_first_not_of(" \t\r") == std::string::npos) return;
  Json action;
  try {
    action = Json::parse(line);
  } catch (const nlohmann::json::exception&) {
    error("not a JSON object: " + utf8::repaired(line));
    return;
  }
  try {
    perform(action);
  } catch (const ScriptError& e) {
    error(e.what());
  } catch (const std::exception& e) {
    error(std::string("the window failed: ") + e.what());
  }
}

void ScriptRunner::perform(const Json& action) {
  if (!action.is_object() || action.empty()) throw ScriptError("an action must be an object");
  if (action.contains("open")) {
    std::string title = stringOf(action["open"], "open");
    auto window = desktop_.show(title);
    if (!window) throw ScriptError("unknown window: " + title);
    current_ = window;
  } else if (action.contains("menu")) {
    openFromMenu(action["menu"]);
  } else if (action.contains("list")) {
    list(stringOf(action["list"], "list"));
  } else if (action.contains("window")) {
    std::string title = stringOf(action["window"], "window");
    auto window = desktop_.find(title);
    if (!window) throw ScriptError("no open window: " + title);
    current_ = window;
  } else if (action.contains("set")) {
    std::string control = resolve(stringOf(action["set"], "set"));
    if (!action.contains("text")) throw ScriptError("set needs a text");
    current().edit(control, stringOf(action["text"], "text"));
  } else if (action.contains("type")) {
    std::string control = resolve(stringOf(action["type"], "type"));
    if (!action.contains("keys")) throw ScriptError("type needs keys");
    std::string keys = stringOf(action["keys"], "keys");
    auto window = current_;
    window->focus(control);
    for (char32_t key : utf8::decode(keys)) window->type(control, key);
  } else if (action.contains("click")) {
    std::string name = stringOf(action["click"], "click");
    Window& window = current();
    for (const Control& c : window.descriptor().controls) {
      if (c.kind != ControlKind::tabStrip || window.has(name)) continue;
      auto tab = std::find(c.items.begin(), c.items.end(), name);
      if (tab != c.items.end()) {
        window.choosePage(c.name, static_cast<int>(tab - c.items.begin()));
        return;
      }
    }
    std::string control = resolve(name);
    auto keepAlive = current_;
    if (isField(window.control(control).kind)) window.focus(control);
    window.click(control);
  } else if (action.contains("choose")) {
    std::string control = resolve(stringOf(action["choose"], "choose"));
    if (!action.contains("item")) throw ScriptError("choose needs an item");
    std::string item = stringOf(action["item"], "item");
    const auto& items = current().state(control).items;
    auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end()) throw ScriptError("no item " + item + " in " + control);
    current().choose(control, static_cast<int>(found - items.begin()));
  } else if (action.contains("answer")) {
    std::string answer = stringOf(action["answer"], "answer");
    if (answer != "yes" && answer != "no") throw ScriptError("answer is yes or no");
    answers_.push_back(answer == "yes" ? Answer::yes : Answer::no);
  } else if (action.contains("read")) {
    read(stringOf(action["read"], "read"));
  } else if (action.contains("cell")) {
    cell(action);
  } else if (action.contains("close")) {
    current().close();
  } else if (action.contains("sheet")) {
    print(Json{{"sheet", sheetPlainText(calculationSheet(current(), currentTimeText()))}});
  } else if (action.contains("appendix")) {
    gather(stringOf(action["appendix"], "appendix"));
  } else {
    throw ScriptError("unknown action: " + action.begin().key());
  }
}

void ScriptRunner::openFromMenu(const Json& path) {
  if (!path.is_array()) throw ScriptError("menu needs a list of captions");
  std::vector<std::string> wanted;
  for (const auto& caption : path) wanted.push_back(stringOf(caption, "menu"));
  const auto& catalogue = toolCatalogue();
  auto entry = std::find_if(catalogue.begin(), catalogue.end(),
                            [&](const CatalogueEntry& e) { return e.path() == wanted; });
  if (entry == catalogue.end()) throw ScriptError("no such catalogue entry");
  if (entry->action != CatalogueEntry::Action::window) {
    launch(entry->launchRequest());
    return;
  }
  auto window = desktop_.show(entry->target);
  if (!window) throw ScriptError("window not available: " + entry->target);
  current_ = window;
}

void ScriptRunner::list(const std::string& what) {
  if (what == "menu") {
    for (const CatalogueEntry& entry : toolCatalogue()) {
      Json line{{"entry", entry.path()}};
      line[entry.action == CatalogueEntry::Action::window ? "opens" : "launch"] = entry.target;
      print(line);
    }
  } else if (what == "windows") {
    for (const std::string& identity : desktop_.registry().identities()) {
      print(Json{{"window", identity}});
    }
  } else {
    throw ScriptError("list menu or windows, not " + what);
  }
}

void ScriptRunner::gather(const std::string& what) {
  if (what == "add") {
    appendix_.add(calculationSheet(current(), currentTimeText()));
  } else if (what == "text") {
    print(Json{{"appendix", appendix_.plainText()}});
  } else {
    throw ScriptError("appendix add or text, not " + what);
  }
}

Window& ScriptRunner::current() {
  if (!current_ || !desktop_.find(current_->title())) throw ScriptError("no current window");
  return *current_;
}

// A frame's caption names the frame, or the one field or text area it holds when that field
// has no caption of its own (a report area, a lone field in a captioned frame).
std::string ScriptRunner::framedField(const Control& frame) {
  Window& window = current();
  std::string found;
  int count = 0;
  for (const Control& c : window.descriptor().controls) {
    if (c.parent != frame.name || !isTextBox(c.kind)) continue;
    found = c.name;
    ++count;
  }
  if (count == 1 && window.control(found).caption.empty()) return found;
  return frame.name;
}

std::string ScriptRunner::resolve(const std::string& control) {
  Window& window = current();
  if (window.has(control)) return control;
  std::vector<std::string> matches;
  for (const Control& c : window.descriptor().controls) {
    const std::string& caption = hasOwnCaption(c.kind) ? window.state(c.name).caption : c.caption;
    if (caption.empty() || caption != control) continue;
    matches.push_back(c.kind == ControlKind::frame ? framedField(c) : c.name);
  }
  if (matches.size() == 1) return matches.front();
  if (matches.empty()) throw ScriptError("unknown control: " + control);
  throw ScriptError("more than one control has the caption " + control);
}

void ScriptRunner::read(const std::string& control) {
  Window& window = current();
  std::vector<std::string> names;
  if (control == "*") {
    for (const Control& c : window.descriptor().controls) names.push_back(c.name);
  } else {
    names.push_back(resolve(control));
  }
  for (const std::string& name : names) {
    const Control& c = window.control(name);
    const ControlState& s = window.state(name);
    Json line{{"control", name}};
    if (control == "*") line["kind"] = kindName(c.kind);
    line["label"] = hasOwnCaption(c.kind) ? s.caption : c.caption;
    line["text"] = s.text;
    line["visible"] = isShowing(window, name);
    line["enabled"] = s.enabled;
    if (control == "*") line["editable"] = isEditable(window, name);
    if (c.kind == ControlKind::choiceList || c.kind == ControlKind::tabStrip) {
      line["items"] = s.items;
    }
    if (c.kind == ControlKind::tabStrip) line["page"] = s.currentPage;
    if (c.kind == ControlKind::treeView) {
      std::vector<std::string> nodes;
      for (const TreeNode& node : c.treeNodes) nodes.push_back(node.text);
      line["items"] = nodes;
    }
    if (c.kind == ControlKind::frame) line["caption"] = s.caption;
    if (c.kind == ControlKind::optionButton || c.kind == ControlKind::checkBox) {
      line["checked"] = s.checked;
    }
    if (c.kind == ControlKind::tableGrid) line["cells"] = s.cells;
    if (c.kind == ControlKind::embeddedSheet) line["active"] = s.active;
    print(line);
  }
}

// The first embedded sheet of the current window: read a cell, or type into it.
void ScriptRunner::cell(const Json& action) {
  std::string name = stringOf(action["cell"], "cell");
  Window& window = current();
  const auto& controls = window.descriptor().controls;
  auto box = std::find_if(controls.begin(), controls.end(),
                          [](const Control& c) { return c.kind == ControlKind::embeddedSheet; });
  if (box == controls.end()) throw ScriptError("no sheet in " + window.title());
  const ControlState& state = window.state(box->name);
  std::optional<CellRef> ref = parseCellRef(name);
  if (!state.sheet) throw ScriptError("the sheet of " + window.title() + " is not available");
  if (!ref || !state.sheet->contains(*ref)) throw ScriptError("no cell " + name);
  if (!action.contains("text")) {
    print(Json{{"cell", name}, {"text", state.sheet->shownText(*ref)}});
  } else if (state.readOnly) {
    throw ScriptError("the sheet is read-only");
  } else if (!window.enterCell(box->name, *ref, stringOf(action["text"], "text"))) {
    throw ScriptError("the sheet is not active");
  }
}

Answer ScriptRunner::ask(const MessageBox& box) {
  Json line{{"message", box.text}, {"title", box.title}};
  if (box.buttons == MessageButtons::ok) {
    print(line);
    return Answer::ok;
  }
  line["buttons"] = {"yes", "no"};
  line["default"] = box.defaultAnswer == Answer::yes ? "yes" : "no";
  print(line);
  if (answers_.empty()) return box.defaultAnswer;
  Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptRunner::shown(Window& window, bool) {
  print(Json{{"opened", window.title()}});
}

void ScriptRunner::closed(Window&) {}

// Nothing is started headless; the request is reported as handed over.
bool ScriptRunner::launch(const LaunchRequest& request) {
  print(Json{{"launch", request.target}});
  return true;
}

void ScriptRunner::print(const Json& line) {
  std::string text;
  try {
    text = line.dump();
  } catch (const nlohmann::json::type_error&) {
    // A text that is not UTF-8 is a fault of its own; the line still shows, with U+FFFD in
    // its place, and what follows it is still printed.
    failed_ = true;
    text = Json{{"error", "a text that is not valid UTF-8: " +
                              line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)}}
               .dump();
  }
  out_ << text << '\n' << std::flush;
}

void ScriptRunner::error(const std::string& why) {
  failed_ = true;
  print(Json{{"error", why}});
}

}  // namespace tolvar
