#include "catalogues/structure_adjustment_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "catalogues/catalogue_search.h"
#include "catalogues/structure_adjustment.h"
#include "catalogues/text_compare.h"
#include "framework/window.h"

namespace tolvar::catalogues {
namespace {

constexpr const char* kKeywordMissing = "请输入你要查询的关键字";

struct CategoryChoice {
  const char* item;
  const char* caption;  // the result frame's caption after a search of the category
};

// The encouraged caption lacks 类 as the window has always shown it.
const CategoryChoice kCategories[] = {
    {"鼓励类", "你查询的关键词属鼓励的有以下项目："},
    {"限制类", "你查询的关键词属限制类的有以下项目："},
    {"淘汰类", "你查询的关键词属淘汰类的有以下项目："},
};

void askForKeywordWhenEmpty(Window& w) {
  if (w.text("Text1").empty()) w.message(kKeywordMissing);
}

const StructureCategory* categoryNamed(const std::string& name) {
  for (const StructureCategory& category : structureCatalogue()) {
    if (category.name == name) return &category;
  }
  return nullptr;
}

std::string itemsStored(const StructureCategory& category) {
  return category.name + "已收录 " + std::to_string(category.storedItems) + "/" +
         std::to_string(category.publishedItems) + " 条";
}

bool isIncomplete(const StructureCategory& category) {
  return category.storedItems < category.publishedItems;
}

// While a stored category holds fewer items than the published one, "查无此项目" could be taken
// for the catalogue's answer; this line under the result says how much was searched: for every
// incomplete category until a search, then for the category searched.
std::string incompletenessNote(const StructureCategory* searched) {
  std::string counts;
  for (const StructureCategory& category : structureCatalogue()) {
    if (searched ? &category != searched : !isIncomplete(category)) continue;
    counts += (counts.empty() ? "" : "，") + itemsStored(category);
  }
  return "注意：本机所存目录不完整（" + counts + "），未查到不代表目录中没有。";
}

bool anyIncomplete() {
  const std::vector<StructureCategory>& categories = structureCatalogue();
  return std::any_of(categories.begin(), categories.end(), isIncomplete);
}

void showIncompleteness(Window& w, const StructureCategory* searched) {
  bool shown = searched ? isIncomplete(*searched) : anyIncomplete();
  if (shown) w.setText("Label3", incompletenessNote(searched));
  w.setVisible("Label3", shown);
}

WindowDescriptor describe() {
  WindowDescriptor d{kStructureAdjustmentTitle, {}};
  d.add(heading("Label1", "产业结构调整指导目录（2005年本）查询"));
  d.add(textField("Text1", "请输入你所要查询项目的关键字：", "天然气"));
  std::vector<std::string> items;
  for (const CategoryChoice& choice : kCategories) items.emplace_back(choice.item);
  d.add(choiceList("Combo1", "请选择类别：", items));
  d.add(button("Command1", "查    询"));
  d.add(frame("Frame1", "查询结果"));
  Control result = note("Text2", "").in("Frame1").locked().withLines(9);
  result.tooltipBackground = true;
  d.add(std::move(result));
  Control note = label("Label3", anyIncomplete() ? incompletenessNote(nullptr) : "").in("Frame1");
  note.visible = anyIncomplete();
  d.add(std::move(note));
  d.add(label("Label2", "注意：查询项目的关键字和查询类别，一定要选取的！").in("Frame1"));
  d.add(button("Command2", "产业结构调整指导目录（2005年本）全文阅读").in("Frame1"));
  return d;
}

void search(Window& w) {
  std::u32string keyword = toUtf32(w.text("Text1"));
  if (!isSearchableKeyword(keyword)) {
    w.message(kKeywordRejected);
    return;
  }
  const std::string& chosen = w.text("Combo1");
  const CategoryChoice* choice = nullptr;
  for (const CategoryChoice& c : kCategories) {
    if (chosen == c.item) choice = &c;
  }
  const StructureCategory* category = categoryNamed(chosen);
  if (!choice || !category) {
    w.setText("Text2", "");
    showIncompleteness(w, nullptr);
    return;
  }
  w.setCaption("Frame1", choice->caption);
  w.setText("Text2", structureSearchResult(structureEntriesContaining(category->text, keyword)));
  showIncompleteness(w, category);
}

}  // namespace

StructureAdjustmentWindow::StructureAdjustmentWindow() : Tool(describe()) {
  on(Event::change, "Text1", askForKeywordWhenEmpty);
  on(Event::choose, "Combo1", askForKeywordWhenEmpty);
  on(Event::click, "Command1", search);
  on(Event::click, "Command2", [](Window& w) { w.open(kStructureAdjustmentFullTextTitle); });
}

}  // namespace tolvar::catalogues
