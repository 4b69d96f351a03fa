#include "framework/worksheet.h"

#include <algorithm>
#include <stdexcept>

#include "framework/conversion.h"
#include "framework/number_format.h"

namespace tolvar {
namespace {

// What a product shows when one of its factors is a text that is no number.
constexpr const char* kValueError = "#VALUE!";

}  // namespace

std::optional<CellRef> parseCellRef(std::string_view text) {
  std::size_t letters = 0;
  int column = 0;
  while (letters < text.size() && letters < 3) {
    char c = text[letters];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + (c - 'A' + 1);
    ++letters;
  }
  if (letters == 0 || letters == text.size() || text.size() - letters > 7) return std::nullopt;
  int row = 0;
  for (char c : text.substr(letters)) {
    if (c < '0' || c > '9') return std::nullopt;
    row = row * 10 + (c - '0');
  }
  if (row == 0) return std::nullopt;
  return CellRef{row - 1, column - 1};
}

std::string columnLetters(int column) {
  std::string letters;
  for (int n = column + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return letters;
}

std::string cellName(CellRef cell) {
  return columnLetters(cell.column) + std::to_string(cell.row + 1);
}

Worksheet::Worksheet(std::string name, int rows, int columns)
    : name_(std::move(name)),
      rows_(std::max(rows, 0)),
      columns_(std::max(columns, 0)),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_)) {}

bool Worksheet::contains(CellRef cell) const {
  return cell.row >= 0 && cell.row < rows_ && cell.column >= 0 && cell.column < columns_;
}

const Worksheet::Cell& Worksheet::at(CellRef cell) const {
  if (!contains(cell)) throw std::out_of_range("no cell " + cellName(cell) + " on " + name_);
  return cells_[static_cast<std::size_t>(cell.row) * static_cast<std::size_t>(columns_) +
                static_cast<std::size_t>(cell.column)];
}

Worksheet::Cell& Worksheet::at(CellRef cell) {
  return const_cast<Cell&>(static_cast<const Worksheet&>(*this).at(cell));
}

void Worksheet::setText(CellRef cell, std::string text) {
  at(cell) = Cell{text.empty() ? Cell::Kind::empty : Cell::Kind::text, std::move(text), 0, {}};
}

void Worksheet::setNumber(CellRef cell, double number) {
  at(cell) = Cell{Cell::Kind::number, {}, number, {}};
}

void Worksheet::setFormula(CellRef cell, std::vector<CellRef> factors) {
  if (factors.empty()) throw std::invalid_argument("a formula without cells at " + cellName(cell));
  for (CellRef factor : factors) {
    if (at(factor).kind == Cell::Kind::formula || factor == cell) {
      throw std::invalid_argument("the formula at " + cellName(cell) + " names a formula");
    }
  }
  at(cell) = Cell{Cell::Kind::formula, {}, 0, std::move(factors)};
}

void Worksheet::enter(CellRef cell, std::string text) {
  if (std::optional<double> number = parseDouble(text)) {
    setNumber(cell, *number);
  } else {
    setText(cell, std::move(text));
  }
}

bool Worksheet::isFormula(CellRef cell) const {
  return at(cell).kind == Cell::Kind::formula;
}

std::string Worksheet::shownText(CellRef cell) const {
  const Cell& c = at(cell);
  switch (c.kind) {
    case Cell::Kind::empty:
      return "";
    case Cell::Kind::text:
      return c.text;
    case Cell::Kind::number:
      return plainText(c.number);
    case Cell::Kind::formula:
      break;
  }
  if (c.factors.size() == 1) {
    const Cell& copied = at(c.factors.front());
    return copied.kind == Cell::Kind::empty ? "0" : shownText(c.factors.front());
  }
  double product = 1;
  for (CellRef factor : c.factors) {
    const Cell& f = at(factor);
    if (f.kind == Cell::Kind::text) return kValueError;
    product *= f.kind == Cell::Kind::number ? f.number : 0.0;
  }
  return plainText(product);
}

std::string Worksheet::tabSeparated(CellRef first, CellRef last) const {
  CellRef top{std::min(first.row, last.row), std::min(first.column, last.column)};
  CellRef bottom{std::max(first.row, last.row), std::max(first.column, last.column)};
  std::string text;
  for (int r = top.row; r <= bottom.row; ++r) {
    for (int c = top.column; c <= bottom.column; ++c) {
      if (c > top.column) text += '\t';
      text += shownText({r, c});
    }
    text += '\n';
  }
  return text;
}

}  // namespace tolvar
