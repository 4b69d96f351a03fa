#include "catalogues/editions/edition_search_window.h"

#include <utility>

#include "framework/window.h"

namespace tolvar::catalogues {
namespace {

constexpr std::array<const char*, 3> kOptions = {"Option1", "Option2", "Option3"};

WindowDescriptor describe(const EditionSearchDescription& s) {
  WindowDescriptor d{s.title, {}};
  d.add(heading("Label1", s.title));
  d.add(frame("Frame1", s.modeFrame));
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    d.add(optionButton(kOptions[i], s.modes[i], i == 0).in("Frame1"));
  }
  d.add(label("Label2", s.prompts[0]));
  d.add(choiceList("Combo1", "", s.listItems, false));
  d.add(textField("Text1", "", "").hidden());
  d.add(button("Command1", s.searchButton).besideField("Text1").hidden());
  d.add(frame("Frame2", s.resultFrame));
  d.add(label("Label3", "").in("Frame2"));
  d.add(tableGrid("Grid1", s.rows({})).in("Frame2").withLines(12));
  return d;
}

// The way of searching whose option is set.
int modeOf(const Window& w) {
  for (int mode = 0; mode < 3; ++mode) {
    if (w.state(kOptions[mode]).checked) return mode;
  }
  return 0;
}

// Blanks around a typed code or keyword are no part of it.
std::string trimmed(const std::string& text) {
  constexpr std::string_view kIdeographicBlank = "\u3000";
  std::string_view t = text;
  for (bool changed = true; changed;) {
    changed = false;
    for (std::string_view blank : {std::string_view(" "), kIdeographicBlank}) {
      if (t.starts_with(blank)) t.remove_prefix(blank.size()), changed = true;
      if (t.ends_with(blank)) t.remove_suffix(blank.size()), changed = true;
    }
  }
  return std::string(t);
}

}  // namespace

EditionSearchWindow::EditionSearchWindow(EditionSearchDescription description)
    : Tool(describe(description)), description_(std::move(description)) {
  for (int mode = 0; mode < 3; ++mode) {
    on(Event::click, kOptions[mode], [this, mode](Window& w) { showMode(w, mode); });
  }
  on(Event::choose, "Combo1", [this](Window& w) {
    if (!w.text("Combo1").empty()) showFound(w, description_.searches[0](w.text("Combo1")));
  });
  on(Event::click, "Command1", [this](Window& w) { searchTyped(w); });
}

void EditionSearchWindow::showMode(Window& w, int mode) const {
  w.setVisible("Combo1", mode == 0);
  w.setVisible("Text1", mode != 0);
  w.setVisible("Command1", mode != 0);
  w.setText("Label2", description_.prompts[mode]);
}

void EditionSearchWindow::showFound(Window& w, const std::vector<std::size_t>& found) const {
  w.setText("Label3", found.empty() ? description_.nothingFound
                                    : "共找到 " + std::to_string(found.size()) + " 条：");
  w.setCells("Grid1", description_.rows(found));
}

void EditionSearchWindow::searchTyped(Window& w) const {
  int mode = modeOf(w);
  std::string query = trimmed(w.text("Text1"));
  if (query.empty()) {
    w.message(description_.emptyQueryMessages[mode == 1 ? 0 : 1]);
    w.moveFocus("Text1");
    return;
  }
  showFound(w, description_.searches[mode](query));
}

}  // namespace tolvar::catalogues
