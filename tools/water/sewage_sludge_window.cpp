#include "tools/water/sewage_sludge_window.h"

#include "framework/window.h"
#include "tools/water/sewage_sludge_source_window.h"

namespace tolvar::water {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kSewageSludgeTitle, {}};
  d.add(heading("Heading", "生活污水处理厂污泥产生量的计算"));
  auto input = [&](const char* name, const char* caption, const char* text) {
    d.add(textField(name, caption, text).withColour(kDarkGreen));
  };
  input("Text1", "计算的人口数：", "20000");
  input("Text2", "K沉(沉砂系数)选取：", "0.009");
  input("Text3", "K初(初沉池污泥系数)选取：", "0.02");
  input("Text7", "K(干腐殖及剩余污染量系数)选取：", "0.018");
  input("Text8", "污泥含水率：", "0");
  d.add(button("Command1", "刷新结果"));
  d.add(resultField("Text4", "干污泥产生量（Kg/日）=", "").withColour(kRed));
  d.add(resultField("Text6", "湿污泥产生量（Kg/日）=", "").withColour(kRed));
  // The guide's formula divides the population by 1000 while its coefficients are in kg per
  // person and day, so the figures are tonnes a day whatever the result captions say; a report
  // that copied them as kilograms would be a thousand times low.
  d.add(label("UnitNote",
              "注意：按《环境统计报表填报指南》公式计算，系数以kg/(人·d)计、人口数除以1000，"
              "上面两个结果的单位实为吨/日（t/d）；以千克/日计须乘以1000。")
            .withColour(kRed));
  d.add(button("Command2", "查看来源"));
  return d;
}

}  // namespace

SewageSludgeWindow::SewageSludgeWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    SewageSludge sludge = sewageSludge({.population = w.text("Text1"),
                                        .gritCoefficient = w.text("Text2"),
                                        .primaryCoefficient = w.text("Text3"),
                                        .humusCoefficient = w.text("Text7"),
                                        .moisture = w.text("Text8")},
                                       values_);
    values_ = sludge.values;
    w.setText("Text4", sludge.dryText);
    w.setText("Text6", sludge.wetText);
  });
  on(Event::click, "Command2", [](Window& w) { w.open(kSewageSludgeSourceTitle); });
}

}  // namespace tolvar::water
