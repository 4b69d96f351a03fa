// Any keys typed into a numeric field, a text field or a list, with any texts set, items
// chosen and selections made between them, leave valid UTF-8 with the selection inside the
// text; keys that pass the keystroke filter leave a number field with at most one point and
// one sign.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

#include "framework/desktop.h"
#include "framework/utf8.h"

namespace tolvar {
namespace {

class QuietHost : public WindowHost {
 public:
  Answer ask(const MessageBox& box) override { return box.defaultAnswer; }
  void shown(Window&, bool) override {}
  void closed(Window&) override {}
  bool launch(const LaunchRequest&) override { return false; }
};

class FieldsTool : public Tool {
 public:
  FieldsTool() : Tool(describe()) {}

 private:
  static WindowDescriptor describe() {
    WindowDescriptor d{"输入", {}};
    d.add(numericField("Number", "数值：", ""));
    d.add(textField("Text", "文本：", ""));
    d.add(choiceList("Shape", "形状：", {"圆形", "矩形", "1234567890123456789"}));
    return d;
  }
};

void checkControl(const Window& window, const char* name) {
  const ControlState& s = window.state(name);
  if (!utf8::isValid(s.text)) std::abort();
  if (s.selectionStart > s.text.size() || s.selectionLength > s.text.size() - s.selectionStart) {
    std::abort();
  }
  std::size_t end = s.selectionStart + s.selectionLength;
  if (utf8::boundaryAtOrBefore(s.text, s.selectionStart) != s.selectionStart ||
      utf8::boundaryAtOrBefore(s.text, end) != end) {
    std::abort();
  }
}

}  // namespace
}  // namespace tolvar

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvar;
  static const char* const kControls[] = {"Number", "Text", "Shape"};
  FuzzedDataProvider input(data, size);
  ToolRegistry registry;
  registerTool<FieldsTool>(registry, "输入");
  QuietHost host;
  Desktop desktop(std::move(registry), host);
  Window& window = *desktop.show("输入");
  bool numberOnlyTyped = true;
  while (input.remaining_bytes() > 0) {
    const char* control = input.PickValueInArray(kControls);
    switch (input.ConsumeIntegralInRange(0, 4)) {
      case 0:
        window.type(control, input.ConsumeIntegral<char32_t>());
        break;
      case 1:
        window.type(control, static_cast<char32_t>(input.ConsumeIntegralInRange(0, 0x7f)));
        break;
      case 2:
        window.edit(control, input.ConsumeRandomLengthString(64));
        numberOnlyTyped = numberOnlyTyped && std::string_view(control) != "Number";
        break;
      case 3:
        window.select(control, input.ConsumeIntegral<std::size_t>(),
                      input.ConsumeIntegral<std::size_t>());
        break;
      case 4:
        window.choose("Shape", input.ConsumeIntegralInRange(0, 2));
        break;
    }
    for (const char* name : kControls) checkControl(window, name);
  }
  const std::string& number = window.text("Number");
  if (numberOnlyTyped && (number.find_first_not_of("0123456789.-") != std::string::npos ||
                          std::count(number.begin(), number.end(), '.') > 1 ||
                          std::count(number.begin(), number.end(), '-') > 1)) {
    std::abort();
  }
  return 0;
}
