#include "tools/storage/open_storage_window.h"

#include "framework/window.h"
#include "tools/storage/coefficient_tables.h"

namespace tolvar::storage {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kOpenStorageTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "有毒有害物质敞开露天存放时散发量计算").spanningColumns());
  auto input = [&](const char* name, const char* caption) {
    d.add(numericField(name, caption, "").withColour(kDarkGreen));
  };
  input("Text1", "室内风速（m/s）：");
  input("Text2", "敞露面积（m^2）：");
  input("Text3", "有害物质分子量：");
  input("Text4", "敞开存放时温度（℃）：");
  input("Text5", "有害物质A常数：");
  input("Text8", "有害物质B常数：");
  d.add(button("Command1", "计算"));
  d.add(resultField("Text6", "有害物质散发量（g/h）=", " ").withColour(kRed));
  Control basis =
      note("Note",
           "计算依据：《环境保护计算手册》中有毒有害物质敞开露天存放时散发量的计算方法。"
           "有害物质的散发量主要取决于该物质在室温下的饱和蒸气压和空气的流动情况。"
           "常见有害物质的A、B常数见下表，请按所存放的物质输入。")
          .locked()
          .startingColumn();
  basis.tooltipBackground = true;
  d.add(std::move(basis));
  addCoefficientTable(d);
  d.add(frame("Frame1", "计算公式").spanningColumns());
  d.add(picture("Picture1", "storage/open_storage_formula.html").in("Frame1"));
  return d;
}

}  // namespace

OpenStorageWindow::OpenStorageWindow() : Tool(describe()) {
  on(Event::click, "Command1", [this](Window& w) {
    OpenStorage outcome = openStorage({.windSpeed = w.text("Text1"),
                                       .area = w.text("Text2"),
                                       .molecularWeight = w.text("Text3"),
                                       .temperature = w.text("Text4"),
                                       .constantA = w.text("Text5"),
                                       .constantB = w.text("Text8")},
                                      values_);
    values_ = outcome.values;
    w.setText("Text6", outcome.emissionText);
  });
}

}  // namespace tolvar::storage
