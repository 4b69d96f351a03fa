#pragma once

namespace tolvar::risk {

// The value itself, or a StepFailure when the arithmetic of the current step divided by zero,
// overflowed or was invalid. Arithmetic on field texts, and arithmetic that feeds a square root
// or a power, faulted in the original program before anything was stored, so the step's target
// keeps its value instead of receiving an infinity or NaN.
double unfaulted(double value);

// As unfaulted, and also a StepFailure when the value lies beyond the single-precision range,
// for a step that stores its result as a single.
double unfaultedSingle(double value);

}  // namespace tolvar::risk
