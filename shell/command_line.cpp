#include "shell/command_line.h"

namespace tolvar {

StartRequest readCommandLine(const std::vector<std::string>& arguments) {
  StartRequest request;
  for (const std::string& argument : arguments) {
    if (argument == "--version" || argument == "-v") {
      if (request.action == StartRequest::Action::run) {
        request.action = StartRequest::Action::printVersion;
      }
    } else if (argument == "--help" || argument == "-h") {
      request.action = StartRequest::Action::printHelp;
    } else if (argument == "--quit-after-first-paint") {
      request.quitAfterFirstPaint = true;
    }
  }
  return request;
}

std::string versionText() {
  return std::string("tolvar ") + TOLVAR_VERSION_TEXT;
}

std::string helpText() {
  return "用法: tolvar [选项]\n"
         "Tolvar环评工具箱：为编写环境影响评价报告准备的桌面工具箱，菜单栏就是工具目录，\n"
         "收录污染物、噪声、事故源项、储罐损耗等计算器，国家目录的检索和参考表格。\n"
         "\n"
         "选项:\n"
         "  -h, --help                 显示本说明后退出\n"
         "  -v, --version              显示版本后退出\n"
         "  --quit-after-first-paint   第一个窗口画出后即退出（测量启动时间用）\n"
         "\n"
         "其余参数交给 Qt，例如 -platform offscreen。\n";
}

}  // namespace tolvar
