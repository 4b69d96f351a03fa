#pragma once

#include <string_view>

#include "catalogues/text_compare.h"

namespace tolvar::catalogues {

// Whether text begins with prefix, compared as the catalogue searches compare; codes are looked
// up by their beginnings ("26" finds division 26 and everything under it).
inline bool startsWithAsText(std::string_view text, std::u32string_view prefix) {
  std::u32string whole = toUtf32(text);
  return !prefix.empty() && whole.size() >= prefix.size() &&
         equalAsText(std::u32string_view(whole).substr(0, prefix.size()), prefix);
}

}  // namespace tolvar::catalogues
