#include "tools/storage/paint_solvent_table_window.h"

#include <string>
#include <vector>

#include "framework/window.h"

namespace tolvar::storage {
namespace {

struct Page {
  const char* frame;
  const char* button;
  const char* caption;
  const char* title;
  const char* classes;  // the paint classes that the handbook's page lists
};

const Page kPages[] = {
    {"Frame1", "Command1", "表一", "（四）各种油漆有机溶剂挥发量表",
     "油脂漆、酚醛树脂漆（两行）、沥青漆、醇酸树脂漆、氨基树脂漆、硝基漆、过氯乙烯漆、乙烯树脂漆、"
     "丙烯酸漆"},
    {"Frame2", "Command2", "续表", "（四）各种油漆有机溶剂挥发量表（续表）",
     "聚酯漆、环氧树脂漆、聚氨酯漆、有机硅漆、橡胶漆、各类平均，以及辅助材料"
     "（硝基稀释剂、其它稀释剂、其它辅助材料）"},
};

const std::vector<std::string> kColumns = {
    "油漆代号",
    "油漆类别",
    "有机溶剂挥发量：重量（公斤）",
    "有机溶剂挥发量：体积（标米³）",
    "其中苯类溶剂：重量（公斤）",
    "其中苯类溶剂：体积（标米³）",
    "备注（溶剂名称）",
};

WindowDescriptor describe() {
  WindowDescriptor d{kPaintSolventTableTitle, {}};
  int page = 0;
  for (const Page& p : kPages) {
    const std::string number = std::to_string(++page);
    Control frameControl = frame(p.frame, "");
    d.add(page == 1 ? std::move(frameControl) : std::move(frameControl).hidden());
    d.add(heading("Title" + number, p.title).in(p.frame));
    d.add(label("Unit" + number, "计量单位：公斤或标米³/吨油漆").in(p.frame));
    d.add(tableGrid("Table" + number, {kColumns}).in(p.frame));
    // No public copy of the handbook's figures could be checked, so the rows stay out rather
    // than stand in the grid unverified.
    d.add(label("Missing" + number,
                std::string("本页数据行未收录：原手册表（四）“各种油漆有机溶剂挥发量表”本页列有") +
                    p.classes + "各行的数值，本程序找不到可核对的出处，请查阅原手册。")
              .in(p.frame));
  }
  for (const Page& p : kPages) d.add(button(p.button, p.caption));
  return d;
}

void show(Window& w, const Page& shown) {
  for (const Page& p : kPages) w.setVisible(p.frame, &p == &shown);
}

}  // namespace

PaintSolventTableWindow::PaintSolventTableWindow() : Tool(describe()) {
  for (const Page& p : kPages) {
    on(Event::click, p.button, [&p](Window& w) { show(w, p); });
  }
}

}  // namespace tolvar::storage
