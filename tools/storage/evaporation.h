#pragma once

#include <string>

namespace tolvar::storage {

struct EvaporationTexts {
  std::string feed;                 // F, solution fed, kg/h
  std::string concentrationBefore;  // x0, solute in % by weight before evaporation
  std::string concentrationAfter;   // x1, solute in % by weight after evaporation
};

// W = F·(x1 − x0)/x1 in kg/h, single precision; the previous press's W when a text is not a
// number or x1 is 0.
float evaporatedSolvent(const EvaporationTexts& texts, float previous);

}  // namespace tolvar::storage
