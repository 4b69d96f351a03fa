#pragma once

#include <string>
#include <vector>

namespace tolvar {

// What a start of the program is asked to do. Arguments the program does not know are left to
// the toolkit (which has options of its own), so any other start behaves as a plain start.
struct StartRequest {
  enum class Action { run, printVersion, printHelp };
  Action action = Action::run;
  bool quitAfterFirstPaint = false;
};

StartRequest readCommandLine(const std::vector<std::string>& arguments);

// "tolvar 2006.8.0.8": the line printed for --version.
std::string versionText();

// What --help prints: what the program is and its options.
std::string helpText();

}  // namespace tolvar
