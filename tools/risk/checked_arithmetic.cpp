#include "tools/risk/checked_arithmetic.h"

#include <cfenv>
#include <cmath>

#include "framework/steps.h"

namespace tolvar::risk {

// Out of line, so that the caller has finished the arithmetic before the flags are read.
[[gnu::noinline]] double unfaulted(double value) {
  if (std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID) != 0) {
    throw StepFailure("运算溢出或除数为零");
  }
  return value;
}

[[gnu::noinline]] double unfaultedSingle(double value) {
  unfaulted(value);
  if (std::isinf(toSingle(value))) throw StepFailure("运算溢出");
  return value;
}

}  // namespace tolvar::risk
