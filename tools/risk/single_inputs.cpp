#include "tools/risk/single_inputs.h"

#include <string>

#include "framework/conversion.h"

namespace tolvar::risk {

std::optional<std::vector<float>> readSingleInputs(Window& w, std::span<const SingleInput> inputs,
                                                   std::string_view resultField) {
  std::vector<float> values;
  for (const SingleInput& input : inputs) {
    std::optional<float> value = parseSingle(w.text(input.field));
    if (!value) {
      w.setText(resultField, "");
      w.message("“" + std::string(input.name) + "”的输入不是有效的数值，请检查后再计算。");
      return std::nullopt;
    }
    values.push_back(*value);
  }
  return values;
}

}  // namespace tolvar::risk
