#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::fuel {

// The emission factors of one coal kind burnt in one kind of stove, kg per tonne of coal.
struct StoveFactors {
  std::string stove;  // the stove kind, "茶炉" or "大灶"
  std::string coal;   // the coal kind exactly as the stove window's list shows it
  double smoke = 0.0;
  double carbonMonoxide = 0.0;
  double sulphurDioxide = 0.0;
  double hydrocarbons = 0.0;
  double nitrogenOxides = 0.0;
};

// Reads the tab-separated rows of stove_factors.tsv; a malformed row throws
// std::invalid_argument naming its line.
std::vector<StoveFactors> parseStoveFactors(std::string_view text);

// The rows of one stove kind that the program carries, in the order of its list.
std::vector<StoveFactors> stoveFactors(std::string_view stove);

// The window-level loads in kg, kept in single precision as the original program stored them.
struct StoveLoads {
  float smoke = 0.0f;
  float carbonMonoxide = 0.0f;
  float sulphurDioxide = 0.0f;
  float hydrocarbons = 0.0f;
  float nitrogenOxides = 0.0f;
};

// The loads of burning the coal of `coalBurnt` (tonnes, as typed) of the coal kind whose item
// text equals `coalKind` exactly. A coal kind that matches no row gives 0 for every load; a
// `coalBurnt` that is no number leaves every load at its `previous` value.
StoveLoads stoveLoads(std::span<const StoveFactors> rows, std::string_view coalKind,
                      std::string_view coalBurnt, const StoveLoads& previous);

}  // namespace tolvar::fuel
