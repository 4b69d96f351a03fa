#include "shell/catalogue.h"

#include <sstream>
#include <stdexcept>

#include "framework/embedded_data.h"
#include "framework/tab_separated.h"
#include "shell/maker.h"

namespace tolvar {
namespace {

CatalogueEntry::Action actionNamed(const std::string& name) {
  if (name == "window") return CatalogueEntry::Action::window;
  if (name == "program") return CatalogueEntry::Action::program;
  if (name == "link") return CatalogueEntry::Action::link;
  throw std::logic_error("unknown catalogue action " + name);
}

std::vector<CatalogueEntry> parseCatalogue(std::string_view text) {
  std::vector<CatalogueEntry> entries;
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> f = splitTabs(line);
    if (f.size() != 5) throw std::logic_error("bad catalogue line: " + line);
    CatalogueEntry entry{f[0], f[1], f[2], actionNamed(f[3]), f[4]};
    if (entry.action == CatalogueEntry::Action::link && entry.target == "forum") {
      entry.target = std::string(kForum);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace

std::vector<std::string> CatalogueEntry::path() const {
  if (submenu.empty()) return {menu, caption};
  return {menu, submenu, caption};
}

LaunchRequest CatalogueEntry::launchRequest() const {
  return {action == Action::program ? LaunchRequest::Kind::program : LaunchRequest::Kind::link,
          target};
}

MessageBox launchFailedMessage(const LaunchRequest& request) {
  static const std::pair<const char*, const char*> accessories[] = {
      {"NOTEPAD.EXE", "记事本"}, {"calc.exe", "计算器"}, {"mspaint.exe", "画图"}};
  MessageBox box;
  box.icon = MessageIcon::information;
  if (request.kind == LaunchRequest::Kind::link) {
    box.text = "没有找到可以打开此地址的程序：" + request.target;
    return box;
  }
  std::string name = request.target;
  for (const auto& [program, caption] : accessories) {
    if (request.target == program) name = caption;
  }
  box.text = "没有找到可以启动的" + name + "程序，请先在系统中安装。";
  return box;
}

const std::vector<CatalogueEntry>& toolCatalogue() {
  static const std::vector<CatalogueEntry> catalogue =
      parseCatalogue(embeddedData("shell/catalogue.tsv"));
  return catalogue;
}

}  // namespace tolvar
