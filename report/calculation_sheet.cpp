#include "report/calculation_sheet.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <map>
#include <set>

#include "framework/message_box.h"

namespace tolvar {
namespace {

bool isBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string trimmedLines(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
  return out;
}

// Builds a sheet from the window's controls in window order. The kind of each control decides
// where it goes; a kind the sheet does not know is left out, so that a new kind never puts
// something unreadable into a report.
class SheetBuilder {
 public:
  explicit SheetBuilder(const Window& window)
      : w_(window), controls_(window.descriptor().controls) {
    findGroupCaptions();
  }

  CalculationSheet build(std::string_view when) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      if (shown(controls_[i])) add(i);
    }
    CalculationSheet sheet{w_.title(), {}};
    auto& rows = sheet.rows;
    rows.push_back({SheetRow::Kind::title, {w_.title()}});
    rows.insert(rows.end(), head_.begin(), head_.end());
    bool plainWindow = inputs_.empty() && results_.empty();
    append(rows, kInputsSection, inputs_);
    append(rows, inputs_.empty() ? kContentSection : kResultsSection, results_);
    if (plainWindow) rows.insert(rows.end(), tables_.begin(), tables_.end());
    append(rows, kRemarksSection, remarks_);
    append(rows, kBasisSection, basis_);
    rows.push_back(
        {SheetRow::Kind::footer,
         {std::string(kApplicationTitle) + " " + TOLVAR_VERSION_TEXT + "  " + std::string(when)}});
    return sheet;
  }

 private:
  static void append(std::vector<SheetRow>& rows, std::string_view section,
                     const std::vector<SheetRow>& part) {
    if (part.empty()) return;
    rows.push_back({SheetRow::Kind::section, {std::string(section)}});
    rows.insert(rows.end(), part.begin(), part.end());
  }

  const Control* find(const std::string& name) const { return w_.descriptor().find(name); }

  // What the window shows: the control and every container of it visible, and on a tab strip
  // only the chosen page.
  bool shown(const Control& c) const {
    if (!w_.state(c.name).visible) return false;
    if (c.parent.empty()) return true;
    const Control* parent = find(c.parent);
    if (parent == nullptr) return true;
    if (parent->kind == ControlKind::tabStrip && w_.state(parent->name).currentPage != c.page) {
      return false;
    }
    return shown(*parent);
  }

  std::size_t indexOf(const std::string& name) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      if (controls_[i].name == name) return i;
    }
    return controls_.size();
  }

  // The shown label nearest before control i in its container, if nothing but buttons and
  // pictures stand between them.
  const Control* labelBefore(std::size_t i) const {
    for (std::size_t j = i; j-- > 0;) {
      const Control& c = controls_[j];
      if (c.parent != controls_[i].parent || !shown(c)) continue;
      if (isPlainLabel(c)) return &c;
      if (c.kind != ControlKind::button && c.kind != ControlKind::picture) return nullptr;
    }
    return nullptr;
  }

  // Option buttons without a captioned frame take the label standing before the group as
  // its caption; fields without a caption take the label that heads their column.
  void findGroupCaptions() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      const Control& c = controls_[i];
      bool groupStart = c.kind == ControlKind::optionButton && !groupCaption_.count(c.parent);
      if (groupStart) {
        const Control* frame = find(c.parent);
        std::string caption = frame != nullptr ? w_.state(frame->name).caption : "";
        if (caption.empty()) {
          if (const Control* label = labelBefore(i)) {
            caption = w_.state(label->name).text;
            usedLabels_.insert(label->name);
          }
        }
        groupCaption_[c.parent] = caption;
      }
      if (isField(c) && c.caption.empty()) nameByColumn(i);
    }
  }

  static bool isField(const Control& c) {
    return c.kind == ControlKind::textField || c.kind == ControlKind::numericField ||
           c.kind == ControlKind::resultField || c.kind == ControlKind::choiceList;
  }

  // A muted label is a notice about the window, never the caption of what follows it.
  static bool isPlainLabel(const Control& c) {
    return c.kind == ControlKind::label && !c.emphasised && !c.muted && c.beside.empty();
  }

  // A field without a caption stands in a column headed by a label ("BOD5"); level with it in
  // the column before stands a captioned field ("机械废水" under "COD"). It is named by both.
  void nameByColumn(std::size_t i) {
    const Control& c = controls_[i];
    std::size_t position = 0;
    std::size_t head = i;
    for (std::size_t j = i; j-- > 0;) {
      const Control& before = controls_[j];
      if (before.parent != c.parent) continue;
      if (isPlainLabel(before)) {
        head = j;
        break;
      }
      if (!isField(before) && before.kind != ControlKind::button) return;
      if (isField(before)) ++position;
    }
    if (head == i) return;
    std::string columnLabel = w_.state(controls_[head].name).text;
    usedLabels_.insert(controls_[head].name);
    std::vector<const Control*> levelColumn;
    for (std::size_t j = head; j-- > 0;) {
      const Control& before = controls_[j];
      if (before.parent != c.parent) continue;
      if (isPlainLabel(before)) {
        usedLabels_.insert(before.name);
        break;
      }
      if (isField(before)) levelColumn.insert(levelColumn.begin(), &before);
    }
    bool level = position < levelColumn.size() && !levelColumn[position]->caption.empty();
    fieldCaption_[c.name] =
        level ? sheetCaption(levelColumn[position]->caption) + " " + columnLabel : columnLabel;
  }

  std::string captionOf(const Control& c) const {
    auto found = fieldCaption_.find(c.name);
    return sheetCaption(found != fieldCaption_.end() ? found->second : c.caption);
  }

  SheetRow field(const Control& c, const std::string& text) const {
    return {SheetRow::Kind::field, {captionOf(c), text, c.unit}};
  }

  // A label goes under the heading while nothing else has been listed, and among the remarks
  // after; labels that caption a picture, a group or a column are left out.
  void addLabel(std::size_t i) {
    const Control& c = controls_[i];
    const std::string& text = w_.state(c.name).text;
    if (c.emphasised && !headingTaken_) {
      headingTaken_ = true;
      if (text != w_.title() && !isBlank(text)) head_.push_back({SheetRow::Kind::line, {text}});
      return;
    }
    if (!c.beside.empty() || isBlank(text) || usedLabels_.count(c.name)) return;
    for (std::size_t j = i + 1; j < controls_.size(); ++j) {
      const Control& next = controls_[j];
      if (next.parent != c.parent || !shown(next)) continue;
      if (next.kind == ControlKind::picture) return;
      break;
    }
    SheetRow row{SheetRow::Kind::line, {text}};
    if (holdsTable(c.parent)) {
      tables_.push_back(row);
    } else {
      (bodyStarted_ ? remarks_ : head_).push_back(row);
    }
  }

  bool holdsTable(const std::string& container) const {
    if (container.empty()) return false;
    for (const Control& c : controls_) {
      if (c.parent == container && c.kind == ControlKind::tableGrid) return true;
    }
    return false;
  }

  void addTable(const ControlState& s) {
    bool first = true;
    for (const auto& cells : s.cells) {
      tables_.push_back({first ? SheetRow::Kind::tableHeading : SheetRow::Kind::tableRow, cells});
      first = false;
    }
  }

  // A sheet has no heading row of its own: every row is given as the sheet shows it.
  void addSheet(const ControlState& s) {
    if (!s.sheet) return;
    for (int row = 0; row < s.sheet->rows(); ++row) {
      std::vector<std::string> cells;
      bool empty = true;
      for (int column = 0; column < s.sheet->columns(); ++column) {
        cells.push_back(s.sheet->shownText({row, column}));
        empty = empty && cells.back().empty();
      }
      if (!empty) tables_.push_back({SheetRow::Kind::tableRow, std::move(cells)});
    }
  }

  void addNote(const Control& c, const ControlState& s) {
    std::string text = trimmedLines(s.text);
    if (isBlank(text)) return;
    // A read-only note still showing the text it opened with quotes the method; one that a
    // handler has written (a report, a search result) is what the window computed.
    if (!s.readOnly || s.text != c.text) {
      results_.push_back({SheetRow::Kind::line, {text}});
      return;
    }
    const Control* frame = find(c.parent);
    if (frame != nullptr && frame->kind == ControlKind::frame) {
      std::string caption = sheetCaption(w_.state(frame->name).caption);
      if (!caption.empty() && !isBlank(caption))
        basis_.push_back({SheetRow::Kind::line, {caption}});
    }
    basis_.push_back({SheetRow::Kind::line, {text}});
  }

  void add(std::size_t i) {
    const Control& c = controls_[i];
    const ControlState& s = w_.state(c.name);
    switch (c.kind) {
      case ControlKind::label:
        addLabel(i);
        return;
      case ControlKind::textField:
      case ControlKind::numericField:
      case ControlKind::choiceList:
        inputs_.push_back(field(c, s.text));
        break;
      case ControlKind::checkBox:
        inputs_.push_back(
            {SheetRow::Kind::field, {sheetCaption(s.caption), s.checked ? "是" : "否"}});
        break;
      case ControlKind::optionButton:
        if (s.checked) {
          inputs_.push_back(
              {SheetRow::Kind::field, {sheetCaption(groupCaption_[c.parent]), s.caption}});
        }
        break;
      case ControlKind::treeView:
        if (s.selectedItem >= 0 && s.selectedItem < static_cast<int>(s.items.size())) {
          const Control* frame = find(c.parent);
          std::string caption = frame != nullptr ? w_.state(frame->name).caption : c.caption;
          inputs_.push_back(
              {SheetRow::Kind::field,
               {sheetCaption(caption), s.items[static_cast<std::size_t>(s.selectedItem)]}});
        }
        break;
      case ControlKind::resultField:
        results_.push_back(field(c, s.text));
        break;
      case ControlKind::note:
        addNote(c, s);
        break;
      case ControlKind::richText:
        if (!isBlank(s.text)) results_.push_back({SheetRow::Kind::richText, {s.text}});
        break;
      case ControlKind::tableGrid:
        addTable(s);
        break;
      case ControlKind::drawnText:
        if (!isBlank(s.text)) results_.push_back({SheetRow::Kind::line, {s.text}});
        break;
      case ControlKind::embeddedSheet:
        addSheet(s);
        break;
      case ControlKind::tabStrip:
        // The chosen page says which of the window's calculations the sheet holds.
        if (s.currentPage >= 0 && s.currentPage < static_cast<int>(s.items.size())) {
          head_.push_back(
              {SheetRow::Kind::line, {s.items[static_cast<std::size_t>(s.currentPage)]}});
        }
        return;
      // Containers, commands and decoration carry no figure of the calculation.
      case ControlKind::frame:
      case ControlKind::button:
      case ControlKind::link:
      case ControlKind::picture:
      default:
        return;
    }
    bodyStarted_ = true;
  }

  const Window& w_;
  const std::vector<Control>& controls_;
  std::vector<SheetRow> head_, inputs_, results_, tables_, remarks_, basis_;
  std::map<std::string, std::string> groupCaption_;
  std::map<std::string, std::string> fieldCaption_;
  std::set<std::string> usedLabels_;
  bool headingTaken_ = false;
  bool bodyStarted_ = false;
};

}  // namespace

std::string sheetCaption(std::string_view caption) {
  std::string text(caption);
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view end : {"：", ":", "=", " ", "\t"}) {
      if (endsWith(text, end)) {
        text.erase(text.size() - end.size());
        trimmed = true;
      }
    }
  }
  return text;
}

CalculationSheet calculationSheet(const Window& window, std::string_view when) {
  return SheetBuilder(window).build(when);
}

std::string currentTimeText() {
  std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  // A fixed time for reproducible output, by the usual convention of build tools. The program
  // has one thread, so the library's shared time buffer is safe here.
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  const bool fixed = epoch != nullptr && *epoch != '\0';
  if (fixed) now = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
  std::tm local = fixed ? *std::gmtime(&now) : *std::localtime(&now);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

}  // namespace tolvar
