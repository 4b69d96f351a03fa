#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "script/script_runner.h"
#include "script/soak.h"

namespace {

constexpr const char* kUsage =
    "usage: tolvar-script [FILE]\n"
    "       tolvar-script --soak N --seed S [--window TITLE] [--time-limit MS]\n";

// Reads the soak's options; nothing when they are not understood.
std::optional<tolvar::SoakOptions> soakOptions(const std::vector<std::string>& args) {
  tolvar::SoakOptions options;
  bool seeded = false;
  try {
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
      const std::string& value = args[i + 1];
      if (args[i] == "--soak") {
        options.actionsPerWindow = std::stol(value);
      } else if (args[i] == "--seed") {
        options.seed = std::stoull(value);
        seeded = true;
      } else if (args[i] == "--window") {
        options.window = value;
      } else if (args[i] == "--time-limit") {
        options.timeLimit = std::chrono::milliseconds(std::stol(value));
      } else {
        return std::nullopt;
      }
    }
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (args.size() % 2 != 0 || !seeded || options.actionsPerWindow <= 0) return std::nullopt;
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args.front() == "--soak") {
    auto options = soakOptions(args);
    if (!options) {
      std::cerr << kUsage;
      return 2;
    }
    return tolvar::soak(*options, std::cout) ? 0 : 1;
  }
  if (args.size() > 1) {
    std::cerr << kUsage;
    return 2;
  }
  tolvar::ScriptRunner runner(std::cout);
  if (args.size() == 1) {
    std::ifstream file(args.front());
    if (!file) {
      std::cerr << "tolvar-script: cannot read " << args.front() << '\n';
      return 2;
    }
    return runner.run(file);
  }
  return runner.run(std::cin);
}
