#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/tool.h"
#include "framework/window.h"

namespace tolvar {

// The toolkit side of the program: it shows windows and message boxes and reaches the desktop.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual Answer ask(const MessageBox& box) = 0;
  virtual void shown(Window& window, bool created) = 0;  // created, or brought to the front
  virtual void closed(Window& window) = 0;
  virtual bool launch(const LaunchRequest& request) = 0;  // whether it could be started
};

// Owns the tools and their open windows. A tool is created at its window's first request and
// lives until the program ends; its window exists at most once.
class Desktop : public WindowContext {
 public:
  Desktop(ToolRegistry registry, WindowHost& host);
  ~Desktop() override;

  // Opens the window of that identity, or brings it to the front; nothing for an unknown one.
  std::shared_ptr<Window> show(std::string_view identity);
  std::shared_ptr<Window> find(std::string_view identity) const;
  std::vector<std::shared_ptr<Window>> openWindows() const;
  const ToolRegistry& registry() const { return registry_; }

  Answer ask(const MessageBox& box) override { return host_.ask(box); }
  void open(std::string_view identity) override { show(identity); }
  void close(std::string_view identity) override;
  bool launch(const LaunchRequest& request) override { return host_.launch(request); }

 private:
  ToolRegistry registry_;
  WindowHost& host_;
  std::map<std::string, std::unique_ptr<Tool>, std::less<>> tools_;
  std::vector<std::shared_ptr<Window>> windows_;  // in opening order
};

}  // namespace tolvar
