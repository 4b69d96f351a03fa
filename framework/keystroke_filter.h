#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvar {

inline constexpr std::string_view kPointRefused = "数据输入错误,请检查输入";
inline constexpr std::string_view kNotNumericInput = "数据输入错误,请检查是否在数值输入状态";

// Judges one character typed into a numeric entry field against the field's current text and
// caret (the start of the selection). Nothing means the character passes; otherwise the
// message to show while the character is cancelled.
std::optional<std::string_view> refusedKeystroke(char32_t key, std::string_view text,
                                                 std::size_t caret);

}  // namespace tolvar
