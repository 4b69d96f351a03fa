#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/window.h"

namespace tolvar {

// One row of a calculation sheet. Field rows hold caption, shown text and unit; the other kinds
// hold one text that spans the sheet's width, except table rows, which hold a table's cells.
struct SheetRow {
  enum class Kind {
    title,         // the window title
    line,          // a text of the whole width: the heading, a notice, a basis line
    richText,      // formatted text of the whole width, as HTML when it starts with "<"
    section,       // "输入参数", "计算结果", "计算依据", "说明"
    field,         // caption, shown text, unit
    tableHeading,  // the first row of a table grid
    tableRow,
    footer,
  };
  Kind kind = Kind::line;
  std::vector<std::string> cells;
  friend bool operator==(const SheetRow&, const SheetRow&) = default;
};

// What a window shows, as a report-ready table: inputs, results and the basis of the
// calculation, or a window's table or text where it has no inputs or results.
struct CalculationSheet {
  std::string title;
  std::vector<SheetRow> rows;
  friend bool operator==(const CalculationSheet&, const CalculationSheet&) = default;
};

inline constexpr std::string_view kInputsSection = "输入参数";
inline constexpr std::string_view kResultsSection = "计算结果";
inline constexpr std::string_view kContentSection = "内容";
inline constexpr std::string_view kBasisSection = "计算依据";
inline constexpr std::string_view kRemarksSection = "说明";

// The sheet of the window as it stands now; the footer names the program, its version and
// `when` (a date and time text).
CalculationSheet calculationSheet(const Window& window, std::string_view when);

// The local date and time as "2026-12-10 15:30"; with SOURCE_DATE_EPOCH set, that time (UTC).
std::string currentTimeText();

// A caption without its trailing "：", ":" or "=" (and blanks), as a sheet shows it.
std::string sheetCaption(std::string_view caption);

}  // namespace tolvar
