#pragma once

#include <string>

namespace tolvar::storage {

struct OpenStorageTexts {
  std::string windSpeed;        // V, air speed over the surface, m/s
  std::string area;             // F, exposed area, m²
  std::string molecularWeight;  // M
  std::string temperature;      // t, storage temperature, °C
  std::string constantA;        // A of the substance's vapour-pressure line
  std::string constantB;        // B of the same line
};

// The window-level values of the open-storage window, single precision as the original program
// kept them: a step that cannot be evaluated leaves its value from the previous press.
struct OpenStorageValues {
  float exponent = 0.0f;        // q = log10 of the vapour pressure
  float vapourPressure = 0.0f;  // PH, mm of mercury
  float airSpeedFactor = 0.0f;  // 5.38 + 4.1 V
  float emission = 0.0f;        // Gs, g/h
};

struct OpenStorage {
  OpenStorageValues values;
  std::string emissionText;
};

// Gs = (5.38 + 4.1V)·PH·F·√M with log10 PH = B − 0.05223·A / (t + 273).
OpenStorage openStorage(const OpenStorageTexts& texts, const OpenStorageValues& previous);

}  // namespace tolvar::storage
