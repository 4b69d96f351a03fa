#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/window_descriptor.h"

namespace tolvar {

class Window;

enum class Event {
  load,    // the window opens
  change,  // a control's text changed, by the user or by a handler
  click,   // a button, option button, check box, field, label or tab was clicked
  choose,  // an item of a choice list was chosen
  focus,   // a control gained the focus
};

using Handler = std::function<void(Window&)>;
// Runs before a typed character is inserted; returning false cancels the character.
using KeyHandler = std::function<bool(Window&, char32_t key)>;

// One tool: the description of its window and its handlers. A tool lives for the whole run of
// the program, so the window-level values that a subclass keeps as members survive closing
// and reopening its window.
class Tool {
 public:
  explicit Tool(WindowDescriptor descriptor) : descriptor_(std::move(descriptor)) {}
  virtual ~Tool() = default;
  Tool(const Tool&) = delete;
  Tool& operator=(const Tool&) = delete;

  const WindowDescriptor& descriptor() const { return descriptor_; }
  void handle(Event event, const std::string& control, Window& window) const;
  bool handleKey(const std::string& control, char32_t key, Window& window) const;

 protected:
  void onLoad(Handler handler) { on(Event::load, "", std::move(handler)); }
  void on(Event event, std::string control, Handler handler);
  void on(Event event, std::initializer_list<std::string> controls, const Handler& handler);
  void onKey(std::string control, KeyHandler handler);

 private:
  friend class ToolRegistry;  // amends descriptions as tools are created
  WindowDescriptor descriptor_;
  std::map<std::pair<Event, std::string>, std::vector<Handler>> handlers_;
  std::map<std::string, KeyHandler> keyHandlers_;
};

using ToolFactory = std::function<std::unique_ptr<Tool>()>;
// A change made to every tool's window description as the tool is created, for what all windows
// of a kind share without each tool describing it.
using DescriptorAmendment = std::function<void(WindowDescriptor&)>;

// The tools the program knows, by identity (their window title), in registration order.
class ToolRegistry {
 public:
  void add(std::string identity, ToolFactory factory);
  bool knows(std::string_view identity) const;
  std::unique_ptr<Tool> create(std::string_view identity) const;
  const std::vector<std::string>& identities() const { return identities_; }
  void amendEach(DescriptorAmendment amendment);

 private:
  std::vector<std::string> identities_;
  std::vector<DescriptorAmendment> amendments_;
  std::map<std::string, ToolFactory, std::less<>> factories_;
};

template <typename ConcreteTool>
void registerTool(ToolRegistry& registry, std::string identity) {
  registry.add(std::move(identity), [] { return std::make_unique<ConcreteTool>(); });
}

}  // namespace tolvar
