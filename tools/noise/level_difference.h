#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvar::noise {

// What is left of the level L1 when L2 is removed from it on the energy scale, as masked text;
// nothing when either text is no number or L2 is not below L1.
std::optional<std::string> levelDifference(std::string_view minuendText,
                                           std::string_view subtrahendText);

}  // namespace tolvar::noise
