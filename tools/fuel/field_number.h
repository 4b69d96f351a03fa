#pragma once

#include <string_view>

namespace tolvar {
class Window;
}

namespace tolvar::fuel {

// A field's text by the strict conversion in double precision, or NaN when the text is no
// number: every load formed from it then shows the marker of a value that cannot be computed.
double numberOrNaN(std::string_view text);
double fieldNumber(const Window& window, std::string_view field);

}  // namespace tolvar::fuel
