#include "shell/about_box.h"

#include "framework/message_box.h"
#include "framework/window.h"

namespace tolvar {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kAboutTitle, {}};
  d.add(picture("Picture1", "icon"));
  d.add(heading("lblTitle", std::string(kApplicationTitle)));
  d.add(label("lblVersion",
              versionLine(TOLVAR_VERSION_MAJOR, TOLVAR_VERSION_MINOR, TOLVAR_VERSION_REVISION)));
  d.add(label("lblDescription",
              "本程序为环境影响评价从业人员提供日常评价工作中常遇到的小计算，供对比和校核使用。"
              "程序的提供者对计算结果不承担任何形式的责任。所有计算均来自相关书籍。"));
  d.add(label("lblDisclaimer",
              "在此对《八五环境统计手册》、《环境保护计算手册》、《工业污染物产生和排放系数手册》、"
              "《环境影响评价培训教材》等书的作者们表示感谢！"));
  d.add(picture("Line1", "double-rule"));
  d.add(button("cmdOK", "确定"));
  d.add(button("cmdSysInfo", "系统信息(&S)..."));
  return d;
}

}  // namespace

std::string versionLine(int major, int minor, int revision) {
  return "版本 " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

AboutBox::AboutBox() : Tool(describe()) {
  on(Event::click, "cmdOK", [](Window& w) { w.close(); });
  on(Event::click, "cmdSysInfo", [](Window& w) {
    if (!w.launch({LaunchRequest::Kind::systemInformation, "系统信息"})) {
      w.message(kSystemInformationUnavailable);
    }
  });
}

}  // namespace tolvar
