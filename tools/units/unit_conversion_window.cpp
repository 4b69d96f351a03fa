#include "tools/units/unit_conversion_window.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "framework/window.h"
#include "tools/units/unit_table.h"

namespace tolvar::units {
namespace {

// One text; each sentence starts a line of its own.
constexpr const char* kExplanation =
    "    此处收录了大部分在环评过程中有可能用到的单位换算，使用方法如下：\r\n"
    "一：常用单位查询中，查出各单位的转换系数；\r\n"
    "二：常用单位转换中输入相应的数字进行转换！\r\n"
    "三：系数的转换目前只做到质量单位转换中吨与短吨的转换，后面的各类转换还未完成，如果有用到其它的"
    "转换，你可以在一中查出各单位位的转换系数，手工进行转换！";

WindowDescriptor describe() {
  WindowDescriptor d{kUnitConversionTitle, {}};
  d.add(heading("Heading", "常用度量衡单位查询"));
  d.add(choiceList("Combo1", "常用度量衡单位查询", {}));
  d.add(choiceList("Combo2", "", {}));
  d.add(label("ConversionLabel", "常用度量衡单位转换"));
  d.add(textField("Text1", "", ""));
  d.add(label("FromUnit", "千米（km）").besideField("Text1"));
  d.add(textField("Text2", "", ""));
  d.add(label("ToUnit", "英里（mile）").besideField("Text2"));
  d.add(frame("Frame1", "说明"));
  d.add(note("Explanation", kExplanation).in("Frame1").locked().withLines(8));
  d.add(picture("Icon", "icon"));
  return d;
}

void showCategory(Window& w) {
  w.setItems("Combo2", {});
  w.setText("Combo2", "");
  if (const UnitCategory* category = findCategory(w.text("Combo1"))) {
    std::vector<std::string> lines;
    for (const ReferenceLine& line : category->lines) lines.push_back(line.text);
    w.setItems("Combo2", std::move(lines));
  }
}

void chooseLine(Window& w) {
  const UnitConversion* conversion = findConversion(w.text("Combo2"));
  if (conversion == nullptr) return;
  w.setText("Text1", "");
  w.setText("Text2", "");
  w.setText("FromUnit", conversion->fromUnit);
  w.setText("ToUnit", conversion->toUnit);
}

void convert(Window& w) {
  if (std::optional<std::string> output = convertedText(w.text("Combo2"), w.text("Text1"))) {
    w.setText("Text2", std::move(*output));
  }
}

// A typed list text equal to one of the list's items acts as choosing that item.
Handler whenTypedItem(const char* list, Handler choose) {
  return [list, choose = std::move(choose)](Window& w) {
    const ControlState& state = w.state(list);
    if (std::find(state.items.begin(), state.items.end(), state.text) != state.items.end()) {
      choose(w);
    }
  };
}

}  // namespace

UnitConversionWindow::UnitConversionWindow() : Tool(describe()) {
  onLoad([](Window& w) {
    std::vector<std::string> names;
    for (const UnitCategory& category : unitCategories()) names.push_back(category.name);
    w.setItems("Combo1", std::move(names));
  });
  on(Event::choose, "Combo1", showCategory);
  on(Event::choose, "Combo2", chooseLine);
  on(Event::change, "Combo1", whenTypedItem("Combo1", showCategory));
  on(Event::change, "Combo2", whenTypedItem("Combo2", chooseLine));
  on(Event::change, "Text1", convert);
}

}  // namespace tolvar::units
