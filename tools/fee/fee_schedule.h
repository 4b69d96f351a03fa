#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::fee {

// One fee within a band: its value at the band's lower edge, and the rise over the run that
// it gains across the band.
struct FeeLine {
  double start = 0;
  double rise = 0;
  double run = 1;
};

// One band of the schedule over the investment in 100 million yuan; the last band has no upper
// edge.
struct FeeBand {
  std::optional<double> upperEdge;
  FeeLine reportPreparation;
  FeeLine reportReview;
  FeeLine formPreparation;
  FeeLine formReview;
};

// A share that an option adds to the preparation fee of a full report, keyed by its text.
struct FeeShare {
  std::string option;
  double share = 0;
};

struct FeeSchedule {
  std::vector<FeeBand> bands;
  std::vector<FeeShare> industries;
  std::vector<FeeShare> sensitivities;
};

// Reads the tab-separated records of fee_schedule.tsv; a malformed record, bands that do not
// rise or a schedule without a last open band throws std::invalid_argument naming its line.
FeeSchedule parseFeeSchedule(std::string_view text);

// The schedule that the program carries.
const FeeSchedule& feeSchedule();

}  // namespace tolvar::fee
