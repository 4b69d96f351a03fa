#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvar::industry {

inline constexpr const char* kCyanidePlating = "氰化电镀";
inline constexpr const char* kChromiumPlating = "镀铬";
inline constexpr const char* kCircuitBoards = "线路板生产";

// The paragraph that states the pollutants an operation discharges for a quantity (cyanide
// used, or board area in m²); nothing for a text that is no operation, or when a product
// cannot be written in single precision.
std::optional<std::string> metalSurfaceParagraph(std::string_view operation, double quantity);

// What the quantity of an operation means.
std::string quantityHint(std::string_view operation);

}  // namespace tolvar::industry
