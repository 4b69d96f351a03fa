#include "tools/industry/leather.h"

#include <gtest/gtest.h>

#include "framework/conversion.h"

namespace tolvar::industry {
namespace {

using Results = std::array<TextSlot, 2 * kLeatherPollutants>;

std::vector<std::string> texts(const Results& results) {
  std::vector<std::string> all;
  for (const TextSlot& slot : results) all.push_back(slot.text);
  return all;
}

struct LeatherCase {
  const char* hideType;
  const char* tonnage;
  std::vector<std::string> expected;  // generation of the six, then discharge of the six
};

TEST(Leather, LoadsPerHideTypeWithTheCoefficientsPrecision) {
  const LeatherCase cases[] = {
      {"猪盐湿皮",
       "1000",
       {"123000", "247400", "84000", "169500", "7600", "2600", "105000", "188300", "67500",
        "122000", "5500", "1800"}},
      // Whole coefficients in single precision, fractional ones from the single 1.1 in double.
      {"猪盐湿皮",
       "1.1",
       {"135.3", "272.140005898476", "92.4", "186.450004041195", "8.36000018119812",
        "2.86000006198883", "115.5", "207.130004489422", "74.2500016093254", "134.2",
        "6.05000013113022", "1.98000004291534"}},
      {"羊干皮",
       "10",
       {"3120", "3410", "1110", "1237", "51", "6.5", "2750", "2640", "944", "921", "39", "5"}},
      {"牛干皮", "0", {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
  };
  for (const LeatherCase& c : cases) {
    SCOPED_TRACE(std::string(c.hideType) + " " + c.tonnage);
    Results results;
    ASSERT_TRUE(leatherLoads(c.hideType, *parseSingle(c.tonnage), results));
    EXPECT_EQ(texts(results), c.expected);
  }
}

TEST(Leather, NoHideTypeOrAnUnwritableLoadLeavesTheResults) {
  Results results;
  for (TextSlot& slot : results) slot.text = "旧";
  for (const char* notAHide : {"", "猪皮", "猪盐湿皮 "}) {
    EXPECT_FALSE(leatherLoads(notAHide, 1, results));
  }
  EXPECT_EQ(texts(results), std::vector<std::string>(12, "旧"));
  // 3e38 t times a whole coefficient is beyond single precision; the fractional ones still fit.
  ASSERT_TRUE(leatherLoads("羊干皮", 3e38f, results));
  EXPECT_EQ(results[0].text, "旧");
  EXPECT_EQ(results[5].text, "1.95000000357354E+38");
}

TEST(Leather, TheTableRefusesMalformedLines) {
  EXPECT_EQ(leatherCoefficients().size(), 3u);
  EXPECT_THROW(parseLeatherCoefficients("猪盐湿皮\t1\t2\n"), std::invalid_argument);
  EXPECT_THROW(parseLeatherCoefficients("猪盐湿皮\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\tx\n"),
               std::invalid_argument);
}

}  // namespace
}  // namespace tolvar::industry
