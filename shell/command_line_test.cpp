#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace tolvar {
namespace {

using Action = StartRequest::Action;

struct CommandLineCase {
  std::vector<std::string> arguments;
  Action action;
  bool quitAfterFirstPaint;
};

TEST(CommandLine, ReadsOnlyItsOwnOptions) {
  const CommandLineCase cases[] = {
      {{}, Action::run, false},
      {{"--version"}, Action::printVersion, false},
      {{"-v"}, Action::printVersion, false},
      {{"--help"}, Action::printHelp, false},
      {{"--version", "--help"}, Action::printHelp, false},
      {{"--help", "--version"}, Action::printHelp, false},
      {{"--quit-after-first-paint"}, Action::run, true},
      {{"-platform", "offscreen", "--quit-after-first-paint"}, Action::run, true},
      {{"--versions", "version", "-platform", "xcb"}, Action::run, false},
  };
  for (const CommandLineCase& c : cases) {
    StartRequest request = readCommandLine(c.arguments);
    EXPECT_EQ(request.action, c.action) << testing::PrintToString(c.arguments);
    EXPECT_EQ(request.quitAfterFirstPaint, c.quitAfterFirstPaint)
        << testing::PrintToString(c.arguments);
  }
}

TEST(CommandLine, VersionIsTheProgramsFourPartVersion) {
  EXPECT_EQ(versionText(), "tolvar 2006.8.0.8");
}

TEST(CommandLine, HelpListsEveryOption) {
  for (const char* option : {"--help", "--version", "--quit-after-first-paint"}) {
    EXPECT_NE(helpText().find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace tolvar
