#pragma once

#include <optional>
#include <string_view>

namespace tolvar {

// Strict conversion: the whole text must be one number (blanks around it, sign, "," between
// integer digits, one ".", exponent). Empty text, any other character or a value outside the
// target's range gives no value.
std::optional<float> parseSingle(std::string_view text);
std::optional<double> parseDouble(std::string_view text);

// Lenient reading of the number a text starts with; blanks anywhere are skipped, "," ends the
// number, an exponent may use E, e, D or d. Text without a leading number reads as 0.
double leadingNumber(std::string_view text);

// The IEEE 754 binary32 rounding of a double, with values beyond the single range becoming
// infinite (and raising the overflow flag) instead of being undefined behaviour.
float toSingle(double value);

}  // namespace tolvar
