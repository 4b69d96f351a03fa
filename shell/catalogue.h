#pragma once

#include <string>
#include <vector>

#include "framework/message_box.h"

namespace tolvar {

// One leaf of the main window's menu bar.
struct CatalogueEntry {
  enum class Action { window, program, link };
  std::string menu;
  std::string submenu;  // empty for an entry directly in its menu
  std::string caption;
  Action action = Action::window;
  std::string target;  // the window's identity, the program, or the address

  std::vector<std::string> path() const;
  LaunchRequest launchRequest() const;  // for program and link entries
};

// The whole catalogue in menu order: menus left to right, entries top to bottom, a submenu
// standing where its first entry stands.
const std::vector<CatalogueEntry>& toolCatalogue();

// What the user is told when a catalogue entry's program or address found no taker.
MessageBox launchFailedMessage(const LaunchRequest& request);

}  // namespace tolvar
