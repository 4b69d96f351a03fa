#pragma once

#include <cfenv>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "framework/conversion.h"

namespace tolvar {

// Raised by a strict conversion or a library function before anything is written, so that the
// step's target keeps its previous value.
class StepFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Strict conversions and library functions that fail instead of returning a value.
float strictSingle(std::string_view text);
double strictDouble(std::string_view text);
double naturalLog(double x);
double squareRoot(double x);
double power(double base, double exponent);
std::int16_t toInteger(double value);
std::int32_t toLong(double value);

// A text that a pure computation writes through Steps::write, starting from the field's
// current text so that a failed step leaves it as it was.
struct TextSlot {
  std::string text;
  void setText(std::string value) { text = std::move(value); }
};

enum class OnFailure {
  resumeNext,  // a failed step is abandoned and the handler goes on with the next one
  stop,        // the first failed step ends the handler; the caller reports it
};

// Runs a handler's steps one assignment at a time, with the failure rules of resume-next mode.
// Plain floating-point arithmetic is judged by the IEEE exception flags that the step raised:
// division by zero, overflow and invalid operations make it fail after its result was stored.
class Steps {
 public:
  explicit Steps(OnFailure mode = OnFailure::resumeNext) : mode_(mode) {}

  // target = formula(); a throwing formula leaves target as it was.
  template <typename Number, typename Formula>
  void let(Number& target, Formula&& formula) {
    static_assert(std::is_floating_point_v<Number> || std::is_integral_v<Number>);
    if (stopped()) return;
    try {
      std::feclearexcept(FE_ALL_EXCEPT);
      Number value = evaluate<Number>(formula);
      target = value;
      if (arithmeticFailed()) fail("arithmetic");
    } catch (const StepFailure& failure) {
      fail(failure.what());
    }
  }

  // target.setText(formula()); the text is written only when its formula throws nothing and
  // raises no arithmetic failure.
  template <typename TextTarget, typename Formula>
  void write(TextTarget&& target, Formula&& formula) {
    if (stopped()) return;
    try {
      std::feclearexcept(FE_ALL_EXCEPT);
      std::string text = evaluate<std::string>(formula);
      if (arithmeticFailed()) {
        fail("arithmetic");
        return;
      }
      target.setText(std::move(text));
    } catch (const StepFailure& failure) {
      fail(failure.what());
    }
  }

  int failedSteps() const { return failedSteps_; }
  const std::optional<std::string>& firstFailure() const { return firstFailure_; }
  bool stopped() const { return mode_ == OnFailure::stop && failedSteps_ > 0; }

 private:
  // Not inlined, so that the formula's arithmetic happens between clearing and testing the
  // exception flags instead of being moved across them by the optimiser.
  template <typename Result, typename Formula>
  [[gnu::noinline]] static Result evaluate(Formula& formula) {
    if constexpr (std::is_same_v<Result, float>) {
      return toSingle(static_cast<double>(formula()));
    } else {
      return static_cast<Result>(formula());
    }
  }

  static bool arithmeticFailed() {
    return std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID) != 0;
  }

  void fail(std::string reason) {
    if (!firstFailure_) firstFailure_ = std::move(reason);
    ++failedSteps_;
  }

  OnFailure mode_;
  int failedSteps_ = 0;
  std::optional<std::string> firstFailure_;
};

}  // namespace tolvar
