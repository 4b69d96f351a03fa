#pragma once

#include <string>
#include <string_view>

namespace tolvar {

// The bytes of a file under data/, embedded when the program was built; path is relative to
// data/, for example "shell/catalogue.tsv".
std::string_view embeddedData(std::string_view path);

}  // namespace tolvar
