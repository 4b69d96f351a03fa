#pragma once

#include <string>
#include <string_view>

namespace tolvar {

// The title of every message box that has none of its own.
inline constexpr std::string_view kApplicationTitle = "Tolvar环评工具箱升级版";

enum class MessageButtons { ok, yesNo };
enum class Answer { ok, yes, no };
enum class MessageIcon { none, information, warning, stop, question };

struct MessageBox {
  std::string text;
  std::string title = std::string(kApplicationTitle);
  MessageButtons buttons = MessageButtons::ok;
  Answer defaultAnswer = Answer::ok;
  MessageIcon icon = MessageIcon::none;
};

// Something the system hands to the desktop instead of showing a window of its own.
struct LaunchRequest {
  enum class Kind { program, link, systemInformation };
  Kind kind = Kind::program;
  std::string target;  // a program's name, or an address (http:, mailto:)
};

}  // namespace tolvar
