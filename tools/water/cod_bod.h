#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tolvar::water {

// One kind of wastewater with its empirical line BOD5 = slope × COD + intercept (mg/L).
struct CodBodLine {
  std::string_view caption;  // the row's label in the window
  double slope;
  double intercept;
};

// The eight kinds, in the window's row order.
std::span<const CodBodLine> codBodLines();

// BOD5 of a row as its field shows it, from the row's COD text; the current BOD5 text when the
// COD text is not a number.
std::string bod5Text(const CodBodLine& line, std::string_view codText, std::string currentText);

}  // namespace tolvar::water
