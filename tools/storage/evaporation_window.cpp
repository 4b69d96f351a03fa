#include "tools/storage/evaporation_window.h"

#include "framework/number_format.h"
#include "framework/window.h"
#include "tools/storage/evaporation.h"

namespace tolvar::storage {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kEvaporationTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "蒸发废气的计算").spanningColumns());
  auto input = [&](const char* name, const char* caption) {
    d.add(numericField(name, caption, "").withColour(kDarkGreen));
  };
  input("Text1", "溶液的初始重量（Kg/h）：");
  input("Text2", "溶液蒸发前的重量百分比浓度：");
  input("Text3", "溶液蒸后前的重量百分比浓度：");
  d.add(button("Command1", "计算"));
  d.add(resultField("Text6", "溶液的蒸发量（Kg/h）：", " ").withColour(kRed));
  Control basis =
      note("Note",
           "计算依据：《环境保护计算手册》蒸发废量的计算；蒸发是借加热作用使溶液的溶剂气化，"
           "以提高溶液中的溶质浓度，或者使溶质检出的物理操作过程，在石油化工、轻工等行业中大量"
           "采用蒸发工艺。")
          .locked()
          .startingColumn()
          .withLines(6);
  basis.tooltipBackground = true;
  d.add(std::move(basis));
  return d;
}

}  // namespace

EvaporationWindow::EvaporationWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    evaporated_ = evaporatedSolvent({.feed = w.text("Text1"),
                                     .concentrationBefore = w.text("Text2"),
                                     .concentrationAfter = w.text("Text3")},
                                    evaporated_);
    w.setText("Text6", plainText(evaporated_));
  });
}

}  // namespace tolvar::storage
