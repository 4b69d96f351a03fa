#include "tools/fee/fee_schedule.h"

#include <sstream>
#include <stdexcept>

#include "framework/conversion.h"
#include "framework/embedded_data.h"
#include "framework/tab_separated.h"

namespace tolvar::fee {
namespace {

[[noreturn]] void reject(int lineNumber, const std::string& why) {
  throw std::invalid_argument("fee schedule, line " + std::to_string(lineNumber) + ": " + why);
}

double number(const std::string& text, int lineNumber) {
  std::optional<double> value = parseDouble(text);
  if (!value) reject(lineNumber, "not a number: " + text);
  return *value;
}

FeeBand parseBand(const std::vector<std::string>& fields, int lineNumber) {
  if (fields.size() != 14) reject(lineNumber, "a band needs an edge and four fees");
  FeeBand band;
  if (!fields[1].empty()) band.upperEdge = number(fields[1], lineNumber);
  // The four fees in the order of the record's columns.
  FeeLine* fees[] = {&band.reportPreparation, &band.reportReview, &band.formPreparation,
                     &band.formReview};
  std::size_t column = 2;
  for (FeeLine* fee : fees) {
    *fee = FeeLine{number(fields[column], lineNumber), number(fields[column + 1], lineNumber),
                   number(fields[column + 2], lineNumber)};
    if (fee->run <= 0) reject(lineNumber, "a run that is not positive");
    column += 3;
  }
  return band;
}

}  // namespace

FeeSchedule parseFeeSchedule(std::string_view text) {
  FeeSchedule schedule;
  std::istringstream lines{std::string(text)};
  int lineNumber = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = splitTabs(line);
    const std::string& key = fields.front();
    if (key == "band") {
      if (!schedule.bands.empty() && !schedule.bands.back().upperEdge) {
        reject(lineNumber, "a band after the open last band");
      }
      FeeBand band = parseBand(fields, lineNumber);
      if (band.upperEdge && !schedule.bands.empty() &&
          *band.upperEdge <= *schedule.bands.back().upperEdge) {
        reject(lineNumber, "a band edge that does not rise");
      }
      schedule.bands.push_back(band);
    } else if ((key == "industry" || key == "sensitivity") && fields.size() == 3 &&
               !fields[1].empty()) {
      auto& shares = key == "industry" ? schedule.industries : schedule.sensitivities;
      shares.push_back(FeeShare{fields[1], number(fields[2], lineNumber)});
    } else {
      reject(lineNumber, "not a record line: " + line);
    }
  }
  if (schedule.bands.empty() || schedule.bands.back().upperEdge) {
    reject(lineNumber, "no open last band");
  }
  return schedule;
}

const FeeSchedule& feeSchedule() {
  static const FeeSchedule schedule = parseFeeSchedule(embeddedData("fee/fee_schedule.tsv"));
  return schedule;
}

}  // namespace tolvar::fee
