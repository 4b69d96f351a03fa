#include "framework/tool.h"

#include <stdexcept>

namespace tolvar {

void Tool::handle(Event event, const std::string& control, Window& window) const {
  auto found = handlers_.find({event, control});
  if (found == handlers_.end()) return;
  for (const Handler& handler : found->second) handler(window);
}

bool Tool::handleKey(const std::string& control, char32_t key, Window& window) const {
  auto found = keyHandlers_.find(control);
  return found == keyHandlers_.end() || found->second(window, key);
}

void Tool::on(Event event, std::string control, Handler handler) {
  handlers_[{event, std::move(control)}].push_back(std::move(handler));
}

void Tool::on(Event event, std::initializer_list<std::string> controls, const Handler& handler) {
  for (const std::string& control : controls) on(event, control, handler);
}

void Tool::onKey(std::string control, KeyHandler handler) {
  keyHandlers_[std::move(control)] = std::move(handler);
}

void ToolRegistry::add(std::string identity, ToolFactory factory) {
  if (factories_.count(identity) != 0) throw std::logic_error("tool registered twice: " + identity);
  identities_.push_back(identity);
  factories_.emplace(std::move(identity), std::move(factory));
}

bool ToolRegistry::knows(std::string_view identity) const {
  return factories_.find(identity) != factories_.end();
}

std::unique_ptr<Tool> ToolRegistry::create(std::string_view identity) const {
  auto found = factories_.find(identity);
  if (found == factories_.end()) return nullptr;
  std::unique_ptr<Tool> tool = found->second();
  for (const DescriptorAmendment& amend : amendments_) amend(tool->descriptor_);
  return tool;
}

void ToolRegistry::amendEach(DescriptorAmendment amendment) {
  amendments_.push_back(std::move(amendment));
}

}  // namespace tolvar
