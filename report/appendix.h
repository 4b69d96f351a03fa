#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "report/calculation_sheet.h"

namespace tolvar {

inline constexpr std::string_view kAppendixTitle = "计算书汇总";

// The calculation sheets gathered for a report's appendix, in order. It lives for the run of
// the program; nothing in it is written anywhere unless the user saves it.
class Appendix {
 public:
  const std::vector<CalculationSheet>& sheets() const { return sheets_; }
  bool empty() const { return sheets_.empty(); }
  std::size_t size() const { return sheets_.size(); }

  void add(CalculationSheet sheet);
  void remove(std::size_t index);
  // Moves the sheet at `from` to stand at `to`; out-of-range indices change nothing.
  void move(std::size_t from, std::size_t to);
  void clear();

  std::string plainText() const;
  std::string htmlDocument() const;

  // Called after every change, for a view that lists the sheets.
  void setObserver(std::function<void()> observer) { observer_ = std::move(observer); }

 private:
  void changed();

  std::vector<CalculationSheet> sheets_;
  std::function<void()> observer_;
};

}  // namespace tolvar
