#include "framework/keystroke_filter.h"

namespace tolvar {

std::optional<std::string_view> refusedKeystroke(char32_t key, std::string_view text,
                                                 std::size_t caret) {
  if (key >= U'0' && key <= U'9') return std::nullopt;
  if (key == U'.') {
    if (text.find('.') != std::string_view::npos) return kPointRefused;
    return std::nullopt;
  }
  if (key == U'-') {
    if (text.find('-') != std::string_view::npos || caret != 0) return kNotNumericInput;
    return std::nullopt;
  }
  return kNotNumericInput;
}

}  // namespace tolvar
