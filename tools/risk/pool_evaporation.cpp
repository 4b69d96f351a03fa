#include "tools/risk/pool_evaporation.h"

#include <array>
#include <string_view>

#include "framework/number_format.h"
#include "framework/steps.h"
#include "tools/risk/checked_arithmetic.h"

namespace tolvar::risk {
namespace {

struct Ground {
  std::string_view item;
  double conductivity;  // λ
  double diffusivity;   // α
};

constexpr std::array<Ground, 5> kGrounds = {{
    {"水泥地", 1.1, 1.29e-7},
    {"土地", 0.9, 4.3e-7},
    {"干土地", 0.3, 2.3e-7},
    {"湿地", 0.6, 3.3e-7},
    {"砂砾地", 2.5, 1.1e-6},
}};

struct Stability {
  std::string_view item;
  double a;
  double n;
};

constexpr std::array<Stability, 3> kStabilities = {{
    {"不稳定A,B", 0.003846, 0.2},
    {"中性C", 0.004685, 0.25},
    {"稳定E,F", 0.005285, 0.3},
}};

// π with two decimals, as the heat formula has always used it; the shown rates depend on it.
constexpr double kPi = 3.14;
constexpr double kGasConstant = 8.314;

template <typename Entry, std::size_t N>
const Entry* find(const std::array<Entry, N>& table, std::string_view item) {
  for (const Entry& entry : table) {
    if (entry.item == item) return &entry;
  }
  return nullptr;
}

template <typename Entry, std::size_t N>
std::vector<std::string> itemsOf(const std::array<Entry, N>& table) {
  std::vector<std::string> items;
  for (const Entry& entry : table) items.emplace_back(entry.item);
  return items;
}

double d(float value) {
  return static_cast<double>(value);
}

}  // namespace

FlashEvaporation flashEvaporation(const FlashEvaporationTexts& t) {
  FlashEvaporation out;
  Steps steps;
  steps.let(out.flashedFraction, [&] {
    return unfaultedSingle((strictDouble(t.liquidTemperature) - strictDouble(t.boilingPoint)) *
                           strictDouble(t.specificHeat) / strictDouble(t.heatOfVaporisation));
  });
  steps.let(out.rate, [&] {
    return unfaultedSingle(strictDouble(t.releasedMass) * d(out.flashedFraction) /
                           strictDouble(t.duration));
  });
  return out;
}

std::vector<std::string> groundTypes() {
  return itemsOf(kGrounds);
}

std::optional<float> heatEvaporationRate(const HeatEvaporationTexts& t) {
  const Ground* ground = find(kGrounds, t.groundType);
  if (ground == nullptr) return std::nullopt;
  float rate = 0.0f;
  Steps steps;
  steps.let(rate, [&] {
    return unfaultedSingle(
        ground->conductivity * strictDouble(t.poolArea) *
        (strictDouble(t.ambientTemperature) - strictDouble(t.boilingPoint)) /
        (strictDouble(t.heatOfVaporisation) *
         squareRoot(unfaulted(kPi * ground->diffusivity * strictDouble(t.duration)))));
  });
  return rate;
}

std::vector<std::string> stabilityClasses() {
  return itemsOf(kStabilities);
}

std::optional<float> massEvaporationRate(const MassEvaporationTexts& t) {
  const Stability* stability = find(kStabilities, t.stabilityClass);
  if (stability == nullptr) return std::nullopt;
  const double n = stability->n;
  float rate = 0.0f;
  Steps steps;
  steps.let(rate, [&] {
    return unfaultedSingle(stability->a * strictDouble(t.vapourPressure) *
                           strictDouble(t.molecularWeight) /
                           (kGasConstant * strictDouble(t.ambientTemperature)) *
                           power(strictDouble(t.windSpeed), (2.0 - n) / (2.0 + n)) *
                           power(strictDouble(t.poolRadius), (4.0 + n) / (2.0 + n)));
  });
  return rate;
}

std::string totalEvaporationText(const TotalEvaporationTexts& t) {
  TextSlot total;
  Steps steps;
  steps.write(total, [&] {
    return plainText(unfaulted(strictDouble(t.flashRate) * strictDouble(t.flashDuration) +
                               strictDouble(t.heatRate) * strictDouble(t.heatDuration) +
                               strictDouble(t.massRate) * strictDouble(t.clearingTime)));
  });
  return total.text;
}

}  // namespace tolvar::risk
