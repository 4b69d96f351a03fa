#include "framework/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "framework/conversion.h"

namespace tolvar {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// A finite value as significant decimal digits: value = 0.d1d2d3... × 10^(exponent + 1),
// that is d1 stands at the position 10^exponent.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Decimal roundedDecimal(double value, int significantDigits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, value);
  Decimal decimal;
  const char* p = buffer;
  if (*p == '-') {
    decimal.negative = true;
    ++p;
  }
  for (; *p != 'e'; ++p) {
    if (*p != '.') decimal.digits.push_back(*p);
  }
  decimal.exponent = std::atoi(p + 1);
  return decimal;
}

std::string nonFiniteText(double value) {
  if (std::isnan(value)) return std::string(kNaNText);
  return std::string(value > 0 ? kInfinityText : kNegativeInfinityText);
}

std::string plainTextOf(double value, int significantDigits) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  if (value == 0.0) return "0";
  Decimal decimal = roundedDecimal(value, significantDigits);
  std::string& digits = decimal.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = decimal.negative ? "-" : "";
  int exponent = decimal.exponent;
  if (exponent >= -4 && exponent < significantDigits) {
    if (exponent >= 0) {
      std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= integerDigits) {
        text += digits + std::string(integerDigits - digits.size(), '0');
      } else {
        text += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
      }
    } else {
      text += "0.";
      text.append(static_cast<std::size_t>(-exponent - 1), '0');
      text += digits;
    }
    return text;
  }
  text += digits.substr(0, 1);
  if (digits.size() > 1) {
    text += '.';
    text.append(digits, 1);
  }
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                std::abs(exponent));
  return text + exponentText;
}

struct Mask {
  bool hasPoint = false;
  bool grouped = false;
  std::size_t minimumIntegerDigits = 0;
  std::size_t decimals = 0;
  std::size_t minimumDecimals = 0;
};

Mask parseMask(std::string_view mask) {
  Mask parsed;
  std::size_t point = mask.find('.');
  std::string_view integerPart = mask.substr(0, point);
  bool zeroSeen = false;
  for (char c : integerPart) {
    if (c == ',') parsed.grouped = true;
    if (c == '0') zeroSeen = true;
    if (zeroSeen && (c == '0' || c == '#')) ++parsed.minimumIntegerDigits;
  }
  if (point == std::string_view::npos) return parsed;
  parsed.hasPoint = true;
  for (char c : mask.substr(point + 1)) {
    if (c != '0' && c != '#') continue;
    ++parsed.decimals;
    if (c == '0') parsed.minimumDecimals = parsed.decimals;
  }
  return parsed;
}

// Rounds the decimal digits half away from zero so that the last kept digit stands at
// 10^-decimals, and returns the digits of the integer part and of the fraction.
std::pair<std::string, std::string> roundToDecimals(const Decimal& decimal, std::size_t decimals) {
  int lastPosition = -static_cast<int>(decimals);
  long keep = static_cast<long>(decimal.exponent) - lastPosition + 1;
  std::string kept;
  bool roundUp = false;
  if (keep > 0) {
    std::size_t keepCount = static_cast<std::size_t>(keep);
    kept = decimal.digits.substr(0, keepCount);
    if (kept.size() < keepCount) kept.append(keepCount - kept.size(), '0');
    roundUp = keepCount < decimal.digits.size() && decimal.digits[keepCount] >= '5';
  } else if (keep == 0) {
    roundUp = decimal.digits[0] >= '5';
  }
  if (roundUp) {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[i - 1];
    }
  }
  // kept now holds the digits from some power of ten down to 10^-decimals.
  if (kept.size() < decimals) kept.insert(0, decimals - kept.size(), '0');
  std::string integer = kept.substr(0, kept.size() - decimals);
  std::string fraction = kept.substr(kept.size() - decimals);
  std::size_t firstNonZero = integer.find_first_not_of('0');
  integer = firstNonZero == std::string::npos ? "" : integer.substr(firstNonZero);
  return {integer, fraction};
}

std::string grouped(const std::string& integer) {
  std::string text;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) text.push_back(',');
    text.push_back(integer[i]);
  }
  return text;
}

std::string maskedTextOf(double value, std::string_view maskText, int significantDigits) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  Mask mask = parseMask(maskText);
  auto [integer, fraction] =
      value == 0.0 ? std::pair<std::string, std::string>{"", std::string(mask.decimals, '0')}
                   : roundToDecimals(roundedDecimal(value, significantDigits), mask.decimals);
  if (integer.size() < mask.minimumIntegerDigits) {
    integer.insert(0, mask.minimumIntegerDigits - integer.size(), '0');
  }
  while (fraction.size() > mask.minimumDecimals && fraction.back() == '0') fraction.pop_back();

  std::string text = value < 0 ? "-" : "";
  text += mask.grouped ? grouped(integer) : integer;
  if (mask.hasPoint) text += "." + fraction;
  return text;
}

}  // namespace

std::string plainText(float value) {
  return plainTextOf(value, kSingleDigits);
}
std::string plainText(double value) {
  return plainTextOf(value, kDoubleDigits);
}

std::string maskedText(float value, std::string_view mask) {
  return maskedTextOf(value, mask, kSingleDigits);
}
std::string maskedText(double value, std::string_view mask) {
  return maskedTextOf(value, mask, kDoubleDigits);
}

float maskRounded(float value, std::string_view mask) {
  return parseSingle(maskedText(value, mask)).value_or(value);
}
double maskRounded(double value, std::string_view mask) {
  return parseDouble(maskedText(value, mask)).value_or(value);
}

}  // namespace tolvar
