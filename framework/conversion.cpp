#include "framework/conversion.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace tolvar {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// Checks the strict number syntax and returns the text without blanks and group separators,
// ready for std::from_chars, or nothing when the syntax does not hold.
std::optional<std::string> normalisedNumber(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  std::string_view body = text.substr(begin, end - begin);

  std::string out;
  std::size_t i = 0;
  bool negative = false;
  if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
    negative = body[i] == '-';
    ++i;
  }
  if (negative) out.push_back('-');

  std::size_t digits = 0;
  bool previousWasDigit = false;
  while (i < body.size() && (isDigit(body[i]) || body[i] == ',')) {
    if (body[i] == ',') {
      bool nextIsDigit = i + 1 < body.size() && isDigit(body[i + 1]);
      if (!previousWasDigit || !nextIsDigit) return std::nullopt;
      previousWasDigit = false;
    } else {
      out.push_back(body[i]);
      ++digits;
      previousWasDigit = true;
    }
    ++i;
  }
  if (i < body.size() && body[i] == '.') {
    out.push_back('.');
    ++i;
    while (i < body.size() && isDigit(body[i])) {
      out.push_back(body[i]);
      ++digits;
      ++i;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    out.push_back('e');
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) out.push_back(body[i++]);
    std::size_t exponentDigits = 0;
    while (i < body.size() && isDigit(body[i])) {
      out.push_back(body[i++]);
      ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != body.size()) return std::nullopt;
  return out;
}

// The power of ten of the first nonzero digit of a normalised number, or nothing for zero.
std::optional<long> leadingPowerOfTen(const std::string& number) {
  std::size_t exponentAt = number.find('e');
  std::string_view mantissa = std::string_view(number).substr(0, exponentAt);
  long exponent = 0;
  if (exponentAt != std::string::npos) {
    std::string_view digits = std::string_view(number).substr(exponentAt + 1);
    bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
      digits.remove_prefix(1);
    for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 100000L);
    if (negative) exponent = -exponent;
  }
  std::size_t point = mantissa.find('.');
  if (point == std::string_view::npos) point = mantissa.size();
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    if (mantissa[i] < '1' || mantissa[i] > '9') continue;
    long position = i < point ? static_cast<long>(point - i) - 1 : -static_cast<long>(i - point);
    return position + exponent;
  }
  return std::nullopt;
}

template <typename Real>
std::optional<Real> parseStrict(std::string_view text) {
  auto number = normalisedNumber(text);
  if (!number) return std::nullopt;
  Real value{};
  const char* first = number->data();
  const char* last = first + number->size();
  auto [end, error] = std::from_chars(first, last, value);
  if (end != last) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    // from_chars reports underflow and overflow alike; only overflow is out of range here.
    if (leadingPowerOfTen(*number).value_or(0) >= 0) return std::nullopt;
    double tiny = 0.0;
    std::from_chars(first, last, tiny);
    bool negative = number->front() == '-';
    return static_cast<Real>(negative ? -std::fabs(tiny) : std::fabs(tiny));
  }
  if (error != std::errc{}) return std::nullopt;
  return value;
}

}  // namespace

std::optional<float> parseSingle(std::string_view text) {
  return parseStrict<float>(text);
}
std::optional<double> parseDouble(std::string_view text) {
  return parseStrict<double>(text);
}

double leadingNumber(std::string_view text) {
  std::string number;
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && isBlank(text[i])) ++i;
  };
  auto accept = [&](auto predicate) {
    skipBlanks();
    if (i < text.size() && predicate(text[i])) {
      number.push_back(text[i++]);
      return true;
    }
    return false;
  };
  accept([](char c) { return c == '+' || c == '-'; });
  std::size_t mantissaDigits = 0;
  while (accept(isDigit)) ++mantissaDigits;
  if (accept([](char c) { return c == '.'; })) {
    while (accept(isDigit)) ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0.0;
  std::size_t mantissaEnd = number.size();
  if (accept([](char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; })) {
    number.back() = 'e';
    accept([](char c) { return c == '+' || c == '-'; });
    std::size_t exponentDigits = 0;
    while (accept(isDigit)) ++exponentDigits;
    if (exponentDigits == 0) number.resize(mantissaEnd);
  }
  if (number.front() == '+') number.erase(0, 1);
  double value = 0.0;
  auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    bool negative = number.front() == '-';
    bool tiny = number.find("e-") != std::string::npos;
    if (tiny) return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  }
  return value;
}

float toSingle(double value) {
  // Half an ulp above FLT_MAX is where round-to-nearest stops giving a finite single.
  constexpr double overflowThreshold = 340282356779733661637539395458142568448.0;
  if (std::isfinite(value) && std::fabs(value) >= overflowThreshold) {
    std::feraiseexcept(FE_OVERFLOW | FE_INEXACT);
    return value > 0 ? std::numeric_limits<float>::infinity()
                     : -std::numeric_limits<float>::infinity();
  }
  return static_cast<float>(value);
}

}  // namespace tolvar
