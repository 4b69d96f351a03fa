#include "tools/storage/seal_leak_window.h"

#include "framework/window.h"
#include "tools/storage/coefficient_tables.h"
#include "tools/storage/seal_leak.h"

namespace tolvar::storage {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kSealLeakTitle, {}};
  d.add(heading("Heading", "生产设备和管道不严处有害气体散发量"));
  auto input = [&](const char* name, const char* caption, const char* text) {
    d.add(textField(name, caption, text).withColour(kDarkGreen));
  };
  input("Text1", "设备和管道内部容积V：（m^3）：", "20");
  input("Text2", "安全系数K：（1-2之间）：", "1.5");
  input("Text3", "随设备压力而定的系数内C：", "0.169");
  input("Text4", "有害气体或蒸汽的分子量M：", "34");
  input("Text5", "设备内部有害气体或蒸汽的温度T：（℃）：", "100");
  d.add(resultField("Text6", "设备不严密处散发量Gc：（Kg/小时）：", "").withColour(kRed));
  d.add(frame("Frame1", "计算来源：《八五环境统计手册》P83"));
  addCoefficientTable(d, "Frame1");
  return d;
}

void recompute(Window& w) {
  w.setText("Text6", sealLeakText({.volume = w.text("Text1"),
                                   .safetyFactor = w.text("Text2"),
                                   .coefficient = w.text("Text3"),
                                   .molecularWeight = w.text("Text4"),
                                   .temperature = w.text("Text5")}));
}

}  // namespace

SealLeakWindow::SealLeakWindow() : Tool(describe()) {
  on(Event::change, {"Text1", "Text2", "Text3", "Text4", "Text5"}, recompute);
  on(Event::click, "Text6", recompute);
}

}  // namespace tolvar::storage
