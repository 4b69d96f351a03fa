#pragma once

#include <string>
#include <vector>

namespace tolvar {

// The fields of one line of a tab-separated data file, empty fields included.
std::vector<std::string> splitTabs(const std::string& line);

}  // namespace tolvar
