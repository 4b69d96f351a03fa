#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar {

// A cell's place on a sheet, counted from 0; written "C1" for row 0, column 2.
struct CellRef {
  int row = 0;
  int column = 0;
  friend bool operator==(const CellRef&, const CellRef&) = default;
};

// "C1", "AA12" and the like; no value for anything else.
std::optional<CellRef> parseCellRef(std::string_view text);
std::string cellName(CellRef cell);
std::string columnLetters(int column);

// A small spreadsheet: a grid of cells that hold a text, a number or a formula. A formula is
// the product of the cells it names; a formula of one cell copies that cell, texts included.
// Values are worked out whenever they are read, so every change shows at once.
class Worksheet {
 public:
  Worksheet() = default;
  Worksheet(std::string name, int rows, int columns);

  const std::string& name() const { return name_; }
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  bool contains(CellRef cell) const;

  void setText(CellRef cell, std::string text);
  void setNumber(CellRef cell, double number);
  // Operands must be texts, numbers or empty cells, so that no formula can reach itself.
  void setFormula(CellRef cell, std::vector<CellRef> factors);
  // A typed entry: a number when the whole text reads as one, a text otherwise.
  void enter(CellRef cell, std::string text);

  bool isFormula(CellRef cell) const;
  // What the cell shows: numbers in the double-precision plain text form.
  std::string shownText(CellRef cell) const;
  // The shown texts of a block of cells, tab-separated, one line per row.
  std::string tabSeparated(CellRef first, CellRef last) const;

 private:
  struct Cell {
    enum class Kind { empty, text, number, formula } kind = Kind::empty;
    std::string text;
    double number = 0;
    std::vector<CellRef> factors;
  };

  const Cell& at(CellRef cell) const;
  Cell& at(CellRef cell);

  std::string name_;
  int rows_ = 0;
  int columns_ = 0;
  std::vector<Cell> cells_;  // row after row
};

}  // namespace tolvar
