#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvar::fee {

enum class DocumentKind { report, form };

// Masks by which the two fees are rounded before they are shown.
inline constexpr std::string_view kPreparationMask = "#####.####";
inline constexpr std::string_view kReviewMask = "#####.#####";

// Fees in 10 000 yuan, held in single precision.
struct Fees {
  float preparation = 0;
  float review = 0;
};

// The investment in 100 million yuan from the field's value in 10 000 yuan.
float hundredMillions(float investment);

// The schedule's fees for the investment I (100 million yuan), before any adjustment. Bands
// include their upper edges, compared in single precision.
Fees scheduledFees(float investment, DocumentKind kind);

// A full report's preparation fee with the industry's and the sensitivity's shares added.
float adjustedPreparation(float base, double industryShare, double sensitivityShare);

// An EIA form's preparation fee: half the base again for each special topic.
float formPreparation(float base, double topics);

// What the window hands over: the two field texts and the chosen options' texts (empty when
// none is chosen).
struct FeeRequest {
  std::string investment;
  std::string topicCount;
  DocumentKind kind = DocumentKind::report;
  std::string industry;
  std::string sensitivity;
};

// The result text, or the name of the first field whose text is no number.
struct FeeOutcome {
  std::optional<std::string> text;
  std::string unreadableField;
};

FeeOutcome consultingFee(const FeeRequest& request);

}  // namespace tolvar::fee
