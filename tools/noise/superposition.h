#pragma once

#include <array>
#include <string>

namespace tolvar::noise {

// The window-level values of the superposition window, all single precision as the original
// program kept them: a source whose text does not convert keeps its level from last time.
struct SuperpositionValues {
  std::array<float, 5> levels{};
  float energySum = 0.0f;
  float zeroCount = 0.0f;
  float result = 0.0f;
};

struct Superposition {
  SuperpositionValues values;
  std::string resultText;
};

// Adds up to five levels in dB(A) on the energy scale; a level of exactly 0 is an absent source.
Superposition superpose(const std::array<std::string, 5>& levelTexts,
                        const SuperpositionValues& previous);

}  // namespace tolvar::noise
