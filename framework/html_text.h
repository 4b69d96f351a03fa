#pragma once

#include <string>
#include <string_view>

namespace tolvar {

// A text as it stands inside a document's markup: markup characters escaped, line feeds as
// line breaks (a carriage return before them is dropped).
std::string htmlText(std::string_view text);

}  // namespace tolvar
