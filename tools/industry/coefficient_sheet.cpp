#include "tools/industry/coefficient_sheet.h"

#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/conversion.h"
#include "framework/tab_separated.h"

namespace tolvar::industry {
namespace {

constexpr int kColumns = 6;  // name, unit, two coefficients, two amounts
constexpr int kGeneration = 2;
constexpr int kDischarge = 3;
constexpr int kGenerationAmount = 4;
constexpr int kDischargeAmount = 5;

struct Line {
  int number = 0;
  std::vector<std::string> fields;  // the key first
};

[[noreturn]] void reject(const Line& line, const std::string& why) {
  throw std::invalid_argument("coefficient sheet, line " + std::to_string(line.number) + ": " +
                              why);
}

void enterValue(Worksheet& sheet, CellRef cell, const std::string& text) {
  if (std::optional<double> number = parseDouble(text)) {
    sheet.setNumber(cell, *number);
  } else {
    sheet.setText(cell, text);
  }
}

}  // namespace

Worksheet parseCoefficientSheet(std::string_view text) {
  std::string name;
  std::vector<Line> rows;
  std::istringstream input{std::string(text)};
  int number = 0;
  for (std::string raw; std::getline(input, raw);) {
    ++number;
    if (raw.empty() || raw.front() == '#') continue;
    Line line{number, splitTabs(raw)};
    if (line.fields.front() == "worksheet") {
      if (!name.empty() || line.fields.size() != 2 || line.fields[1].empty()) {
        reject(line, "one worksheet name is needed");
      }
      name = line.fields[1];
    } else {
      rows.push_back(std::move(line));
    }
  }
  if (name.empty()) throw std::invalid_argument("coefficient sheet without a worksheet name");

  Worksheet sheet(name, static_cast<int>(rows.size()), kColumns);
  std::optional<CellRef> quantity;  // the current block's quantity cell
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const Line& line = rows[static_cast<std::size_t>(r)];
    const std::string& key = line.fields.front();
    std::vector<std::string> cells(line.fields.begin() + 1, line.fields.end());
    if (cells.size() > kColumns) reject(line, "more than six cells");
    if (key == "title" && cells.size() == 1) {
      sheet.setText({r, 0}, cells[0]);
    } else if (key == "header") {
      for (int c = 0; c < static_cast<int>(cells.size()); ++c) sheet.setText({r, c}, cells[c]);
    } else if (key == "quantity") {
      quantity.reset();
      for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
        bool isNumber = parseDouble(cells[c]).has_value();
        if (isNumber && (quantity || c < kGeneration || c > kGenerationAmount)) {
          reject(line, "the quantity must be the one number, in C, D or E");
        }
        if (isNumber) quantity = CellRef{r, c};
        enterValue(sheet, {r, c}, cells[c]);
      }
      if (!quantity) reject(line, "a quantity row without its quantity");
    } else if ((key == "amounts" || key == "ratio") && cells.size() == 4) {
      if (!quantity) reject(line, "a pollutant row before its block's quantity");
      for (int c = 0; c < 4; ++c) enterValue(sheet, {r, c}, cells[c]);
      if (key == "amounts") {
        sheet.setFormula({r, kGenerationAmount}, {{r, kGeneration}, *quantity});
        sheet.setFormula({r, kDischargeAmount}, {{r, kDischarge}, *quantity});
      } else {
        // A pH or a colour ratio is a property of the water, not a load: it is not multiplied.
        sheet.setFormula({r, kGenerationAmount}, {{r, kGeneration}});
        sheet.setFormula({r, kDischargeAmount}, {{r, kDischarge}});
      }
    } else {
      reject(line, "not a sheet row: " + key);
    }
  }
  return sheet;
}

}  // namespace tolvar::industry
