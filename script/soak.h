#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace tolvar {

struct SoakOptions {
  long actionsPerWindow = 1000;
  std::uint64_t seed = 1;
  std::optional<std::string> window;  // only this one; every registered window otherwise
  // Longer than this for one action is a failure (sanitized builds on a busy machine may need
  // more than the default).
  std::chrono::milliseconds timeLimit{100};
};

// Opens every window the program knows and sends it random valid actions through the script
// runner, as a user who tries everything would. Reports the first failure with the seed, the
// window and the last actions, so that it can be replayed; returns whether all went well.
bool soak(const SoakOptions& options, std::ostream& report);

}  // namespace tolvar
