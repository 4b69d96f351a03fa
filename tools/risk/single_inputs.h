#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "framework/window.h"

namespace tolvar::risk {

struct SingleInput {
  std::string_view field;
  std::string_view name;  // how the message names the field
};

// The fields' texts as single-precision numbers, in order. At the first text that is not a
// number the user is told which field it is and the result field is emptied, so that no result
// of earlier inputs stands as if it belonged to these; nothing is returned then.
std::optional<std::vector<float>> readSingleInputs(Window& w, std::span<const SingleInput> inputs,
                                                   std::string_view resultField);

}  // namespace tolvar::risk
