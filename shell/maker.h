#pragma once

#include <string_view>

namespace tolvar {

// The maker's addresses live under the reserved "example" domain: the program names no real
// site or mailbox.
inline constexpr std::string_view kCommunityName = "Tolvar环境交流中心";
inline constexpr std::string_view kWebSite = "http://www.tolvar.example/";
inline constexpr std::string_view kForum = "http://bbs.tolvar.example/";
inline constexpr std::string_view kMailAddress = "support@tolvar.example";

}  // namespace tolvar
