#include "script/soak.h"

#include <cmath>
#include <ctime>
#include <deque>
#include <random>
#include <sstream>
#include <vector>

#include <nlohmann/json.hpp>

#include "framework/utf8.h"
#include "script/script_runner.h"
#include "script/user_view.h"

namespace tolvar {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kActionsKept = 20;

// Texts that have broken number fields and lists elsewhere: empty and blank texts, lone signs
// and points, overflowing and underflowing numbers, doubled separators, full-width digits,
// Chinese, emoji, control characters and very long texts.
std::vector<std::string> awkwardTexts() {
  std::vector<std::string> texts = {"",
                                    " ",
                                    "   ",
                                    "-",
                                    ".",
                                    "-.",
                                    "+",
                                    "e",
                                    "1e999",
                                    "-1e999",
                                    "1e-999",
                                    "1,,0",
                                    "--1",
                                    "0",
                                    "-0",
                                    "0.0",
                                    "1",
                                    "12.5",
                                    " 12.5 ",
                                    "1,234.5",
                                    "1e308",
                                    "1.7976931348623157e308",
                                    "4.9e-324",
                                    "3.4028236e38",
                                    "1e-45",
                                    "123456789012345678901234567890",
                                    "0.000000000001",
                                    "-273.15",
                                    "１２３",
                                    "１.５",
                                    "二氧化硫",
                                    "圆形",
                                    "中文abc",
                                    "😀",
                                    "1😀",
                                    "\t",
                                    "\x01",
                                    "\x7f",
                                    "a\r\nb",
                                    "NaN",
                                    "Inf",
                                    "-Inf",
                                    "0x1A",
                                    "1/2",
                                    "%",
                                    "'",
                                    "\"",
                                    "\\",
                                    std::string(10000, '9'),
                                    "0." + std::string(9998, '0'),
                                    std::string(10000, 'x')};
  std::string chinese;
  for (int i = 0; i < 10000; ++i) chinese += "中";
  texts.push_back(chinese);
  return texts;
}

// Keys through the keystroke filter: digits, point and sign, Backspace, Enter, letters,
// blanks, full-width and Chinese characters, emoji and control characters.
const std::vector<std::string> kKeys = {"0", "1", "5", "9",  ".",  "-", "\b", "\b",   "\r",  "e",
                                        "a", " ", ",", "１", "中", "😀", "\t", "\x01", "\x7f"};

std::uint64_t seedFor(std::uint64_t seed, const std::string& title) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a, the same on every platform
  for (unsigned char c : title) hash = (hash ^ c) * 1099511628211ull;
  return hash ^ (seed * 0x9E3779B97F4A7C15ull);
}

// An action as the report shows it: long texts cut to their start and their length, since the
// replay command, not the printed action, repeats it exactly.
std::string abbreviated(const std::string& action) {
  constexpr std::size_t kShown = 200;
  if (action.size() <= kShown) return action;
  std::size_t cut = utf8::boundaryAtOrBefore(action, kShown);
  return action.substr(0, cut) + "… (" + std::to_string(action.size()) + " bytes)";
}

bool allValid(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) {
    if (!utf8::isValid(text)) return false;
  }
  return true;
}

// The name of a control whose text, caption, items or cells are not UTF-8; empty when none.
std::string controlWithBrokenText(const Window& window) {
  for (const Control& c : window.descriptor().controls) {
    const ControlState& s = window.state(c.name);
    bool valid = utf8::isValid(s.text) && utf8::isValid(s.caption) && allValid(s.items);
    for (const auto& row : s.cells) valid = valid && allValid(row);
    if (!valid) return c.name;
  }
  return "";
}

bool isClickable(ControlKind kind) {
  switch (kind) {
    case ControlKind::button:
    case ControlKind::optionButton:
    case ControlKind::checkBox:
    case ControlKind::textField:
    case ControlKind::numericField:
    case ControlKind::resultField:
    case ControlKind::note:
    case ControlKind::label:
    case ControlKind::link:
      return true;
    default:
      return false;
  }
}

class WindowSoak {
 public:
  WindowSoak(ScriptRunner& runner, std::ostringstream& output, const SoakOptions& options,
             const std::string& title)
      : runner_(runner),
        output_(output),
        options_(options),
        title_(title),
        random_(seedFor(options.seed, title)),
        texts_(awkwardTexts()) {}

  // The failure, or empty when every action went well.
  std::string run() {
    if (std::string failure = perform(Json{{"open", title_}}); !failure.empty()) return failure;
    for (actionNumber_ = 1; actionNumber_ <= options_.actionsPerWindow; ++actionNumber_) {
      std::string failure = perform(nextAction());
      if (!failure.empty()) return failure;
      if (!runner_.desktop().find(title_)) {
        if (failure = perform(Json{{"open", title_}}); !failure.empty()) return failure;
      }
    }
    if (runner_.desktop().find(title_)) perform(Json{{"close", true}});
    return "";
  }

  void report(std::ostream& out, const std::string& failure) const {
    out << "soak failed: " << failure << "\n"
        << "seed " << options_.seed << ", window " << title_ << ", action " << actionNumber_
        << " of " << options_.actionsPerWindow << "\n"
        << "replay: tolvar-script --soak " << options_.actionsPerWindow << " --seed "
        << options_.seed << " --window " << title_ << "\n"
        << "last actions:\n";
    for (const std::string& action : lastActions_) out << abbreviated(action) << "\n";
    out << "what the last action printed:\n" << lastOutput_;
  }

 private:
  std::string perform(const Json& action) {
    std::string line = action.dump();
    lastActions_.push_back(line);
    if (lastActions_.size() > kActionsKept) lastActions_.pop_front();
    bool wasOpen = runner_.desktop().find(title_) != nullptr;
    output_.str("");
    // Processor time, so that a busy machine does not pass for a slow handler.
    std::clock_t started = std::clock();
    runner_.runLine(line);
    auto took = std::chrono::milliseconds((std::clock() - started) * 1000 / CLOCKS_PER_SEC);
    lastOutput_ = output_.str();

    if (lastOutput_.find("{\"error\":") != std::string::npos) {
      return "an error for a valid action";
    }
    if (took > options_.timeLimit) {
      return "the action took " + std::to_string(took.count()) + " ms of processor time";
    }
    auto window = runner_.desktop().find(title_);
    if (!window) {
      // Closing is what the close action and a window's own command buttons are for.
      bool closes = action.contains("close") || (action.contains("click") && clickedButton_);
      if (wasOpen && !closes) return "the window closed itself";
      return "";
    }
    if (std::string broken = controlWithBrokenText(*window); !broken.empty()) {
      return "the text of " + broken + " is not valid UTF-8";
    }
    return "";
  }

  template <typename T>
  const T& pick(const std::vector<T>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
  }

  int percent() { return std::uniform_int_distribution<int>(0, 99)(random_); }

  std::string anyText(const Window& window) {
    if (percent() < 20) {
      // A number of any size, or a list item typed by hand.
      std::vector<std::string> items;
      for (const Control& c : window.descriptor().controls) {
        if (c.kind != ControlKind::choiceList) continue;
        for (const std::string& item : window.state(c.name).items) items.push_back(item);
      }
      if (!items.empty() && percent() < 50) return pick(items);
      std::ostringstream number;
      number << std::uniform_real_distribution<double>(-1e6, 1e6)(random_) *
                    std::pow(10.0, std::uniform_int_distribution<int>(-30, 30)(random_));
      return number.str();
    }
    return pick(texts_);
  }

  Json nextAction() {
    clickedButton_ = false;
    const Window& window = *runner_.desktop().find(title_);
    std::vector<std::string> editable, clickable, lists, tabs;
    for (const Control& c : window.descriptor().controls) {
      const ControlState& s = window.state(c.name);
      if (!isShowing(window, c.name) || !s.enabled) continue;
      if (isEditable(window, c.name)) editable.push_back(c.name);
      if (isClickable(c.kind)) clickable.push_back(c.name);
      bool choosable = c.kind == ControlKind::choiceList || c.kind == ControlKind::treeView;
      if (choosable && !s.items.empty()) lists.push_back(c.name);
      if (c.kind == ControlKind::tabStrip) {
        for (const std::string& tab : s.items) tabs.push_back(tab);
      }
    }
    int roll = percent();
    if (roll < 25 && !editable.empty()) {
      return Json{{"set", pick(editable)}, {"text", anyText(window)}};
    }
    if (roll < 50 && !editable.empty()) {
      std::string keys;
      int count = std::uniform_int_distribution<int>(1, 8)(random_);
      for (int i = 0; i < count; ++i) keys += pick(kKeys);
      return Json{{"type", pick(editable)}, {"keys", keys}};
    }
    if (roll < 65 && !lists.empty()) {
      const std::string& list = pick(lists);
      return Json{{"choose", list}, {"item", pick(window.state(list).items)}};
    }
    if (roll < 70 && !tabs.empty()) return Json{{"click", pick(tabs)}};
    if (roll < 75) return Json{{"read", "*"}};
    if (roll < 78) return Json{{"answer", percent() < 50 ? "yes" : "no"}};
    if (roll < 79) return Json{{"close", true}};
    if (clickable.empty()) return Json{{"read", "*"}};
    const std::string& control = pick(clickable);
    clickedButton_ = window.control(control).kind == ControlKind::button;
    return Json{{"click", control}};
  }

  ScriptRunner& runner_;
  std::ostringstream& output_;
  const SoakOptions& options_;
  std::string title_;
  std::mt19937_64 random_;
  std::vector<std::string> texts_;
  std::deque<std::string> lastActions_;
  std::string lastOutput_;
  long actionNumber_ = 0;
  bool clickedButton_ = false;
};

}  // namespace

bool soak(const SoakOptions& options, std::ostream& report) {
  std::ostringstream output;
  ScriptRunner runner(output);
  std::vector<std::string> titles;
  if (options.window) {
    if (!runner.desktop().registry().knows(*options.window)) {
      report << "soak: unknown window " << *options.window << "\n";
      return false;
    }
    titles.push_back(*options.window);
  } else {
    titles = runner.desktop().registry().identities();
  }
  for (const std::string& title : titles) {
    WindowSoak windowSoak(runner, output, options, title);
    if (std::string failure = windowSoak.run(); !failure.empty()) {
      windowSoak.report(report, failure);
      return false;
    }
    report << "passed: " << title << "\n" << std::flush;
  }
  report << "soak passed: " << titles.size() << " windows, " << options.actionsPerWindow
         << " actions each, seed " << options.seed << "\n";
  return true;
}

}  // namespace tolvar
