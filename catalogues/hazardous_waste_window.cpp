#include "catalogues/hazardous_waste_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "catalogues/catalogue_search.h"
#include "catalogues/hazardous_waste.h"
#include "catalogues/text_compare.h"
#include "framework/window.h"

namespace tolvar::catalogues {
namespace {

std::vector<std::string> codes() {
  std::vector<std::string> out;
  for (const HazardousWasteCategory& category : hazardousWasteList().categories) {
    out.push_back(category.code);
  }
  return out;
}

bool listIsComplete() {
  const auto& categories = hazardousWasteList().categories;
  return std::all_of(categories.begin(), categories.end(),
                     [](const HazardousWasteCategory& c) { return c.complete; });
}

// The line under the result that keeps an entry whose lines are not all stored from passing for
// the whole entry of the list; shown from the opening while the list is incomplete, and after a
// search while the entry shown is.
std::string incompletenessNote() {
  const auto& categories = hazardousWasteList().categories;
  auto complete = std::count_if(categories.begin(), categories.end(),
                                [](const HazardousWasteCategory& c) { return c.complete; });
  return "注意：本机所存名录不完整（完整收录 " + std::to_string(complete) + "/" +
         std::to_string(categories.size()) + " 类），未收录的行请查阅《国家危险废物名录》原文。";
}

WindowDescriptor describe() {
  WindowDescriptor d{kHazardousWasteTitle, {}};
  d.add(heading("Label1", "危险废物名录查询"));
  d.add(choiceList("Combo1", "按危废编号查询：", codes()));
  d.add(resultField("Text4", "", "").besideField("Combo1"));
  d.add(button("Command1", "查 询"));
  d.add(frame("Frame1", "查询结果"));
  Control result = note("Text3", "").in("Frame1").locked().withLines(9);
  result.tooltipBackground = true;
  d.add(std::move(result));
  Control note = label("Label3", incompletenessNote()).in("Frame1");
  note.visible = !listIsComplete();
  d.add(std::move(note));
  d.add(button("Command2", "查看国家危险废物名录全文").in("Frame1"));
  return d;
}

const HazardousWasteCategory* categoryOf(std::u32string_view entry) {
  std::u32string_view code = entry.substr(0, entry.find(U'\r'));
  for (const HazardousWasteCategory& category : hazardousWasteList().categories) {
    if (equalAsText(toUtf32(category.code), code)) return &category;
  }
  return nullptr;
}

void showCodeAndName(Window& w) {
  auto entry = hazardousWasteEntry(hazardousWasteList().text, toUtf32(w.text("Combo1")));
  if (entry) w.setText("Text4", toUtf8(firstTwoLines(*entry)));
}

void search(Window& w) {
  const std::string& code = w.text("Combo1");
  auto entry = hazardousWasteEntry(hazardousWasteList().text, toUtf32(code));
  if (!entry) {
    w.setText("Text3", "国家危险废物名录中没有编号“" + code + "”。");
    w.setVisible("Label3", false);
    return;
  }
  w.setText("Text3", toUtf8(*entry));
  const HazardousWasteCategory* category = categoryOf(*entry);
  w.setVisible("Label3", category && !category->complete);
}

}  // namespace

HazardousWasteWindow::HazardousWasteWindow() : Tool(describe()) {
  on(Event::choose, "Combo1", showCodeAndName);
  on(Event::click, "Command1", search);
  on(Event::click, "Command2", [](Window& w) { w.open(kHazardousWasteFullTextTitle); });
}

}  // namespace tolvar::catalogues
