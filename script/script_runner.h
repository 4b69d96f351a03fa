#pragma once

#include <deque>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "framework/desktop.h"
#include "report/appendix.h"

namespace tolvar {

// Runs tolvar-script actions, one JSON object per line, against the same window models that
// the toolbox shows, and writes what happens as JSON lines.
class ScriptRunner : public WindowHost {
 public:
  explicit ScriptRunner(std::ostream& out);

  // Runs every line of the input; returns the exit status (1 when an error line was printed).
  int run(std::istream& in);
  void runLine(const std::string& line);

  const Desktop& desktop() const { return desktop_; }

  Answer ask(const MessageBox& box) override;
  void shown(Window& window, bool created) override;
  void closed(Window& window) override;
  bool launch(const LaunchRequest& request) override;

 private:
  using Json = nlohmann::ordered_json;

  void perform(const Json& action);
  void openFromMenu(const Json& path);
  void list(const std::string& what);
  Window& current();
  std::string resolve(const std::string& control);
  std::string framedField(const Control& frame);
  void read(const std::string& control);
  void cell(const Json& action);
  void gather(const std::string& what);
  void print(const Json& line);
  void error(const std::string& why);

  std::ostream& out_;
  Desktop desktop_;
  std::shared_ptr<Window> current_;
  std::deque<Answer> answers_;
  Appendix appendix_;
  bool failed_ = false;
};

}  // namespace tolvar
