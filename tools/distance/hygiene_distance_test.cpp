#include "tools/distance/hygiene_distance.h"

#include <gtest/gtest.h>

namespace tolvar::distance {
namespace {

const SiteChoices kWindyWithStacks{"大于4", "有", "大于允许1/3", ""};

HygieneInput inputOf(std::string qc, std::string cm, std::string area, SiteChoices choices) {
  return {std::move(qc), std::move(cm), std::move(area), std::move(choices)};
}

struct Case {
  const char* name;
  HygieneInput input;
  const char* expected;
  int choiceMessages;
};

TEST(HygieneDistance, SearchesAgainInTheBandOfTheFirstResult) {
  const Case cases[] = {
      {"defaults", inputOf("0.005", "0.03", "200", kWindyWithStacks), "29.16057", 0},
      {"no choice", inputOf("0.005", "0.03", "200", {}), "30.3206", 1},
      {"band 2", inputOf("2", "0.03", "200", kWindyWithStacks), "1134.676", 0},
      {"band 2 without choice", inputOf("2", "0.03", "200", {}), "1536.548", 2},
      {"band 3", inputOf("6", "0.03", "200", kWindyWithStacks), "2159.936", 0},
      {"no area", inputOf("0.005", "0.03", "0", kWindyWithStacks), "37.70968", 0},
      {"no emission", inputOf("0", "0.03", "200", kWindyWithStacks), "0.01", 0},
      {"hidden list ignored",
       inputOf("0.005", "0.03", "200", {"大于4", "无", "大于允许1/3", "急性指标"}), "20.28037", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HygieneDistance outcome = hygieneDistance(c.input, {});
    EXPECT_EQ(outcome.resultText, c.expected);
    EXPECT_EQ(outcome.messages,
              std::vector<std::string>(c.choiceMessages, std::string(kChoiceRefused)));
  }
}

TEST(HygieneDistance, ANeverEndingSearchShowsNoDistance) {
  HygieneDistance found = hygieneDistance(inputOf("0.005", "0.03", "200", kWindyWithStacks), {});
  const HygieneInput neverEnding[] = {
      inputOf("0.005", "0", "200", kWindyWithStacks),         // Cm = 0: the ratio is infinite
      inputOf("0", "0", "200", kWindyWithStacks),             // 0 / 0
      inputOf("450", "0.5", "2000", kWindyWithStacks),        // steps over the band
      inputOf("0.005", "0.03", "2000000", kWindyWithStacks),  // over it at the first step
  };
  for (const HygieneInput& input : neverEnding) {
    SCOPED_TRACE(input.emissionText + " " + input.concentrationLimitText + " " + input.areaText);
    HygieneDistance outcome = hygieneDistance(input, found.values);
    EXPECT_EQ(outcome.resultText, kNoDistanceText);
    EXPECT_EQ(outcome.messages, std::vector<std::string>{std::string(kNoDistanceFound)});
  }
}

TEST(HygieneDistance, AnUnreadableInputKeepsItsPreviousValue) {
  HygieneDistance first = hygieneDistance(inputOf("0.005", "0.03", "200", kWindyWithStacks), {});
  for (const HygieneInput& input : {inputOf("abc", "0.03", "200", kWindyWithStacks),
                                    inputOf("0.005", "", "200", kWindyWithStacks),
                                    inputOf("0.005", "0.03", "2OO", kWindyWithStacks)}) {
    EXPECT_EQ(hygieneDistance(input, first.values).resultText, "29.16057");
  }
  // A negative area has no root: the radius of the previous computation stays.
  EXPECT_EQ(
      hygieneDistance(inputOf("0.005", "0.03", "-200", kWindyWithStacks), first.values).resultText,
      "29.16057");
  EXPECT_EQ(hygieneDistance(inputOf("0.005", "0.03", "-200", kWindyWithStacks), {}).resultText,
            "37.70968");
  // Before any computation an unreadable emission rate counts as 0.
  EXPECT_EQ(hygieneDistance(inputOf("", "0.03", "200", kWindyWithStacks), {}).resultText, "0.01");
}

}  // namespace
}  // namespace tolvar::distance
