#include "tools/fee/consulting_fee.h"

#include <vector>

#include "framework/conversion.h"
#include "framework/number_format.h"
#include "tools/fee/fee_schedule.h"

namespace tolvar::fee {
namespace {

constexpr const char* kNotes =
    "    注：\n"
    "    1、估算投资额为项目建议书上或可行性研究报告中的估算投资额\n"
    "    2、以上计算出来的费用不包括遥感、遥测、风洞实验、污染气象观测、示踪实验、地探、物探、卫星"
    "图片解读、需要动用的船、飞机等特殊监测费用";

// Above this investment an EIA form's fees are open-ended.
constexpr float kFormScheduleEnd = 10.0f;

float feeWithin(const FeeLine& line, double lowerEdge, float investment, bool firstBand) {
  // The first band divides by its width in double precision; the later bands multiply by
  // their slope held in single precision, as the schedule's fractions were.
  if (firstBand) return toSingle(line.start + line.rise * investment / line.run);
  float slope = toSingle(line.rise / line.run);
  return toSingle(line.start + (investment - lowerEdge) * slope);
}

double shareOf(const std::vector<FeeShare>& shares, const std::string& option) {
  for (const FeeShare& share : shares) {
    if (share.option == option) return share.share;
  }
  return 0;  // no option chosen adds nothing
}

std::string feeLines(const char* document, const std::string& preparation,
                     const std::string& review, const char* verb) {
  return std::string("    编制") + document + verb + preparation + "\n    评估" + document + verb +
         review + "\n" + kNotes;
}

}  // namespace

float hundredMillions(float investment) {
  return toSingle(investment / 10000.0);
}

Fees scheduledFees(float investment, DocumentKind kind) {
  const std::vector<FeeBand>& bands = feeSchedule().bands;
  double lowerEdge = 0;
  std::size_t band = 0;
  while (bands[band].upperEdge && investment > toSingle(*bands[band].upperEdge)) {
    lowerEdge = *bands[band].upperEdge;
    ++band;
  }
  const FeeBand& fees = bands[band];
  bool first = band == 0;
  if (kind == DocumentKind::report) {
    return Fees{feeWithin(fees.reportPreparation, lowerEdge, investment, first),
                feeWithin(fees.reportReview, lowerEdge, investment, first)};
  }
  return Fees{feeWithin(fees.formPreparation, lowerEdge, investment, first),
              feeWithin(fees.formReview, lowerEdge, investment, first)};
}

float adjustedPreparation(float base, double industryShare, double sensitivityShare) {
  float industry = toSingle(base * industryShare);
  float sensitivity = toSingle(base * sensitivityShare);
  return toSingle(static_cast<double>(base) + industry + sensitivity);
}

float formPreparation(float base, double topics) {
  return toSingle(base + 0.5 * (topics * base));
}

FeeOutcome consultingFee(const FeeRequest& request) {
  std::optional<float> investment = parseSingle(request.investment);
  if (!investment) return FeeOutcome{std::nullopt, "项目的投资额（万元）"};
  float i = hundredMillions(*investment);
  Fees fees = scheduledFees(i, request.kind);
  if (request.kind == DocumentKind::report) {
    const FeeSchedule& schedule = feeSchedule();
    fees.preparation =
        adjustedPreparation(fees.preparation, shareOf(schedule.industries, request.industry),
                            shareOf(schedule.sensitivities, request.sensitivity));
  } else if (i > kFormScheduleEnd) {
    return FeeOutcome{
        feeLines("环境影响报告表", "7万元以上，计价格[2002]125号文件规定，好象没有上限！",
                 "2万元以上，计价格[2002]125号文件规定，好象没有上限！", "的费用为:"),
        {}};
  } else {
    // The topic count matters only here, so only here is it read.
    std::optional<double> topics = parseDouble(request.topicCount);
    if (!topics) return FeeOutcome{std::nullopt, "设置专题的个数"};
    fees.preparation = formPreparation(fees.preparation, *topics);
  }
  std::string preparation = plainText(maskRounded(fees.preparation, kPreparationMask)) + "万元";
  std::string review = plainText(maskRounded(fees.review, kReviewMask)) + "万元";
  if (request.kind == DocumentKind::report) {
    return FeeOutcome{feeLines("环境影响报告书(含大纲)", preparation, review, "的费用约为:"), {}};
  }
  return FeeOutcome{feeLines("环境影响报告表", preparation, review, "的费用为:"), {}};
}

}  // namespace tolvar::fee
