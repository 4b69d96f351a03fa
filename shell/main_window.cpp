#include "shell/main_window.h"

#include <string>

#include "framework/window.h"
#include "shell/maker.h"

namespace tolvar {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kMainWindowTitle, {}};
  d.add(frame("Frame1", "计算依据及参考书籍："));
  const char* books[] = {
      "《八五环境统计手册》",
      "《工业污染物产生和排放系数手册》  国家环境保护总局标准司",
      "《环境保护计算手册》",
      "《环境影响评价上岗培训教材》  国家环境保护总局环境影响评价管理司",
      "《环境统计报表填报指南》  国这环境保护总局规划与财务司",
      "《化工原理》",
      "《环境保护实用数据手册》",
  };
  int n = 1;
  for (const char* book : books) d.add(label("Label" + std::to_string(n++), book).in("Frame1"));
  d.add(frame("Frame2", ""));
  d.add(
      link("WebLink", std::string(kCommunityName) + "  " + std::string(kWebSite), "点击即可访问！")
          .in("Frame2"));
  d.add(link("MailLink", "请与我们联系：" + std::string(kMailAddress), "点击即可发送邮件！")
            .in("Frame2"));
  d.add(picture("Badge", "badge").in("Frame2"));
  return d;
}

void openWebSite(Window& w) {
  w.launch({LaunchRequest::Kind::link, std::string(kWebSite)});
}

}  // namespace

MainWindowTool::MainWindowTool() : Tool(describe()) {
  on(Event::click, {"WebLink", "Badge"}, openWebSite);
  on(Event::click, "MailLink", [](Window& w) {
    w.launch({LaunchRequest::Kind::link, "mailto:" + std::string(kMailAddress)});
  });
}

WindowState lastNonMinimizedState(WindowState current) {
  return current == WindowState::minimized ? WindowState::normal : current;
}

bool timerHidesMainWindow(WindowState current, bool trayIconPresent) {
  return current == WindowState::minimized && trayIconPresent;
}

MessageBox welcomeMessage() {
  MessageBox box;
  box.text = "欢迎您，" + std::string(kCommunityName) +
             "的会员！\r\n\r\n这是Tolvar环评工具箱060808升级版，感谢您一直以来的支持。\r\n"
             "新的版本将在我们的网站 " +
             std::string(kWebSite) + " 和论坛 " + std::string(kForum) + " 发布，欢迎下载。";
  box.icon = MessageIcon::information;
  return box;
}

MessageBox secondCopyMessage() {
  MessageBox box;
  box.text = "程序已经运行,不能再次装载，请注意托盘区图标！";
  return box;
}

MessageBox exitQuestion() {
  MessageBox box;
  box.title = "退出提示";
  box.text = "确定将程序最化到托盘区吗？选否将退出程序！";
  box.buttons = MessageButtons::yesNo;
  box.defaultAnswer = Answer::no;
  box.icon = MessageIcon::stop;
  return box;
}

}  // namespace tolvar
