// Reading the leading number never fails; on a text without "," that converts strictly it
// gives the strict value, and on any text it gives what the text's own leading part gives.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "framework/conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  double lenient = tolvar::leadingNumber(text);
  if (std::isnan(lenient)) std::abort();
  auto strict = tolvar::parseDouble(text);
  if (strict && text.find(',') == std::string_view::npos && lenient != *strict) std::abort();
  // Whatever follows a "," is never read.
  std::size_t comma = text.find(',');
  if (comma != std::string_view::npos && tolvar::leadingNumber(text.substr(0, comma)) != lenient) {
    std::abort();
  }
  return 0;
}
