#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/tool.h"

// Notices on windows whose method or catalogue comes from an edition that has since been
// replaced: the windows keep their results, the notice says which edition is in force now.
namespace tolvar::catalogues {

struct EditionNotice {
  std::string windowTitle;
  std::string edition;  // the edition the window carries
  std::string current;  // the edition in force now
  std::string inForce;  // the date the current edition took effect, YYYY-MM-DD
  std::string source;
  std::string text;  // the line the window shows
};

inline constexpr const char* kEditionNoticeControl = "EditionNotice";

const std::vector<EditionNotice>& editionNotices();
const EditionNotice* editionNoticeFor(std::string_view windowTitle);

// Puts the notice of a window named in the table under its heading (or first, when it has
// none); other windows are left as they are.
void addEditionNotice(WindowDescriptor& window);

// Gives every window the registry creates its notice.
void addEditionNotices(ToolRegistry& registry);

}  // namespace tolvar::catalogues
