#include "shell/note_window.h"

#include <string>

#include "shell/maker.h"

namespace tolvar {
namespace {

WindowDescriptor describe() {
  WindowDescriptor d{kNoteTitle, {}};
  d.add(label(
      "Label1",
      "关于本菜单下所有的产排污量计算的说明：\n"
      "1、本菜单下各行业的产污系数和排污系数均来自《工业污染物产生和排放系数手册》"
      "（国家环境保护总局标准司）。\n"
      "2、这些系数是各行业主要工业产品的综合产污系数和综合排污系数，其使用方法请参阅帮助。\n"
      "3、每个行业的计算都是一张嵌入的Excel工作表，可以编辑和复制，使用时计算机上须安装Excel。\n"
      "4、系数由人工录入，难免有错误之处，发现错误请告知我们，以便改正。\n"
      "5、意见和建议请发到我们的论坛 " +
          std::string(kForum) + " 或电子邮件 " + std::string(kMailAddress) + "。"));
  return d;
}

}  // namespace

NoteWindow::NoteWindow() : Tool(describe()) {}

}  // namespace tolvar
