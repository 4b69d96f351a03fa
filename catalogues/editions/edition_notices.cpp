#include "catalogues/editions/edition_notices.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "framework/embedded_data.h"
#include "framework/tab_separated.h"

namespace tolvar::catalogues {
namespace {

std::vector<EditionNotice> parseNotices(std::string_view data) {
  std::vector<EditionNotice> notices;
  std::istringstream lines{std::string(data)};
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> f = splitTabs(line);
    if (f.size() != 6) throw std::runtime_error("edition notice not of six fields: " + line);
    notices.push_back({f[0], f[1], f[2], f[3], f[4], f[5]});
  }
  return notices;
}

}  // namespace

const std::vector<EditionNotice>& editionNotices() {
  static const std::vector<EditionNotice> notices =
      parseNotices(embeddedData("editions/edition_notices.tsv"));
  return notices;
}

const EditionNotice* editionNoticeFor(std::string_view windowTitle) {
  const auto& notices = editionNotices();
  auto found = std::find_if(notices.begin(), notices.end(),
                            [&](const EditionNotice& n) { return n.windowTitle == windowTitle; });
  return found == notices.end() ? nullptr : &*found;
}

void addEditionNotice(WindowDescriptor& window) {
  const EditionNotice* notice = editionNoticeFor(window.title);
  if (notice == nullptr || window.find(kEditionNoticeControl) != nullptr) return;
  auto& controls = window.controls;
  auto heading = std::find_if(controls.begin(), controls.end(),
                              [](const Control& c) { return c.emphasised && c.parent.empty(); });
  Control line = label(kEditionNoticeControl, notice->text).inMutedColour();
  if (heading == controls.end()) {
    line.acrossColumns = window.columns > 1;
    controls.insert(controls.begin(), std::move(line));
    return;
  }
  line.acrossColumns = heading->acrossColumns;
  controls.insert(heading + 1, std::move(line));
}

void addEditionNotices(ToolRegistry& registry) {
  registry.amendEach(addEditionNotice);
}

}  // namespace tolvar::catalogues
