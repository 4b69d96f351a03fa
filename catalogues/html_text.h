#pragma once

#include <string>

namespace tolvar::catalogues {

// A text as it stands inside a document's markup: markup characters escaped, line feeds as
// line breaks.
std::string htmlText(const std::string& text);

}  // namespace tolvar::catalogues
