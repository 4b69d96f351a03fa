#pragma once

#include <string>
#include <string_view>

namespace tolvar {

// Texts written for values that have no digits. Kept short so that they fit any result field.
inline constexpr std::string_view kInfinityText = "Inf";
inline constexpr std::string_view kNegativeInfinityText = "-Inf";
inline constexpr std::string_view kNaNText = "NaN";

// Plain text form: 7 significant digits for a single, 15 for a double; fixed notation for
// decimal exponents from -4 up to the digit count, scientific ("1.234568E+07") beyond.
std::string plainText(float value);
std::string plainText(double value);

// Masked text for masks of "#", "0", at most one "." and "," in the integer part. Rounding
// works on the digits that the value's plain text form carries, half away from zero.
std::string maskedText(float value, std::string_view mask);
std::string maskedText(double value, std::string_view mask);

// The masked text converted back in the value's precision; the value itself when the masked
// text is no number (a lone "." for instance).
float maskRounded(float value, std::string_view mask);
double maskRounded(double value, std::string_view mask);

}  // namespace tolvar
