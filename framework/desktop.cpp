#include "framework/desktop.h"

#include <algorithm>

namespace tolvar {

Desktop::Desktop(ToolRegistry registry, WindowHost& host)
    : registry_(std::move(registry)), host_(host) {}

Desktop::~Desktop() {
  for (auto& window : windows_) window->setObserver(nullptr);
}

std::shared_ptr<Window> Desktop::show(std::string_view identity) {
  if (auto open = find(identity)) {
    host_.shown(*open, false);
    return open;
  }
  auto tool = tools_.find(identity);
  if (tool == tools_.end()) {
    std::unique_ptr<Tool> created = registry_.create(identity);
    if (!created) return nullptr;
    tool = tools_.emplace(std::string(identity), std::move(created)).first;
  }
  auto window = std::make_shared<Window>(*tool->second, *this);
  windows_.push_back(window);
  window->load();
  host_.shown(*window, true);
  return window;
}

std::shared_ptr<Window> Desktop::find(std::string_view identity) const {
  auto found = std::find_if(windows_.begin(), windows_.end(),
                            [&](const auto& window) { return window->title() == identity; });
  return found == windows_.end() ? nullptr : *found;
}

std::vector<std::shared_ptr<Window>> Desktop::openWindows() const {
  return windows_;
}

void Desktop::close(std::string_view identity) {
  auto found = std::find_if(windows_.begin(), windows_.end(),
                            [&](const auto& window) { return window->title() == identity; });
  if (found == windows_.end()) return;
  std::shared_ptr<Window> window = *found;
  windows_.erase(found);
  host_.closed(*window);
  window->setObserver(nullptr);
}

}  // namespace tolvar
