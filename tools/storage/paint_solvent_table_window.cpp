#include "tools/storage/paint_solvent_table_window.h"

#include <array>
#include <string>
#include <vector>

#include "framework/window.h"

namespace tolvar::storage {
namespace {

struct Page {
  const char* button;
  const char* caption;
  const char* title;
  const char* classes;  // the paint classes whose rows the handbook's page lists
};

constexpr std::array<Page, 2> kPages = {{
    {"Command1", "表一", "（四）各种油漆有机溶剂挥发量表",
     "油脂漆、酚醛树脂漆（两行）、沥青漆、醇酸树脂漆、氨基树脂漆、硝基漆、过氯乙烯漆、乙烯树脂漆、"
     "丙烯酸漆"},
    {"Command2", "续表", "（四）各种油漆有机溶剂挥发量表（续表）",
     "聚酯漆、环氧树脂漆、聚氨酯漆、有机硅漆、橡胶漆、各类平均，以及辅助材料（硝基稀释剂、"
     "其它稀释剂、其它辅助材料）"},
}};

const std::vector<std::string> kColumns = {
    "油漆代号",
    "油漆类别",
    "有机溶剂挥发量：重量（公斤）",
    "有机溶剂挥发量：体积（标米³）",
    "其中苯类溶剂：重量（公斤）",
    "其中苯类溶剂：体积（标米³）",
    "备注（溶剂名称）",
};

// No public copy of the handbook's figures could be checked, so its rows stay out rather than
// stand in the grid unverified, and the page tells the user where to find them.
std::string missingRows(const Page& page) {
  return std::string("本页数据行未收录：原手册表（四）“各种油漆有机溶剂挥发量表”本页列有") +
         page.classes + "各行的数值，本程序找不到可核对的出处，请查阅原手册。";
}

WindowDescriptor describe() {
  WindowDescriptor d{kPaintSolventTableTitle, {}};
  d.add(heading("Title", kPages[0].title));
  d.add(label("Unit", "计量单位：公斤或标米³/吨油漆"));
  d.add(tableGrid("Table", {kColumns}));
  d.add(label("Missing", missingRows(kPages[0])));
  for (const Page& page : kPages) d.add(button(page.button, page.caption));
  return d;
}

}  // namespace

PaintSolventTableWindow::PaintSolventTableWindow() : Tool(describe()) {
  for (const Page& page : kPages) {
    on(Event::click, page.button, [&page](Window& w) {
      w.setText("Title", page.title);
      w.setText("Missing", missingRows(page));
    });
  }
}

}  // namespace tolvar::storage
