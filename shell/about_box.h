#pragma once

#include <string>

#include "framework/tool.h"

namespace tolvar {

inline constexpr const char* kAboutTitle = "关于 Tolvar环评工具箱升级版";
inline constexpr const char* kSystemInformationUnavailable = "此时系统信息不可用";

// "版本 " and the program's major version, minor version and revision.
std::string versionLine(int major, int minor, int revision);

class AboutBox : public Tool {
 public:
  AboutBox();
};

}  // namespace tolvar
