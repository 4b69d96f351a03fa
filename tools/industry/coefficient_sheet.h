#pragma once

#include <string_view>

#include "framework/worksheet.h"

namespace tolvar::industry {

// Reads a coefficient sheet file of data/industry/ (the format is in the README): the rows
// follow one another as written, in columns A to F. Each amounts row multiplies its two
// coefficients (C, D) by the quantity of its block into E and F; a ratio row (pH, colour)
// copies them unchanged. Throws std::invalid_argument naming the line of a malformed file.
Worksheet parseCoefficientSheet(std::string_view text);

}  // namespace tolvar::industry
