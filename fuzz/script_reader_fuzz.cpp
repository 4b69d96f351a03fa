// Any lines given to the script runner, however malformed, are answered with lines that are
// each one JSON object, and nothing escapes the runner.
#include <cstdlib>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "script/script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  tolvar::ScriptRunner runner(out);
  runner.run(in);
  std::istringstream printed(out.str());
  for (std::string line; std::getline(printed, line);) {
    auto parsed = nlohmann::json::parse(line, nullptr, false);
    if (!parsed.is_object()) std::abort();
  }
  return 0;
}
