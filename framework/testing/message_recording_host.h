#pragma once

#include <string>
#include <vector>

#include "framework/desktop.h"

namespace tolvar {

// A host for window tests: notes the text of every message box, answers each with its default
// button, and shows, closes and launches nothing.
class MessageRecordingHost : public WindowHost {
 public:
  Answer ask(const MessageBox& box) override {
    messages.push_back(box.text);
    return box.defaultAnswer;
  }
  void shown(Window&, bool) override {}
  void closed(Window&) override {}
  bool launch(const LaunchRequest&) override { return true; }

  std::vector<std::string> messages;
};

}  // namespace tolvar
