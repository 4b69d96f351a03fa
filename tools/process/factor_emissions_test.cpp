#include "tools/process/factor_emissions.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::process {
namespace {

TEST(FactorEmissions, QuantityTimesFactor) {
  const std::pair<float, const char*> cases[] = {
      {feedMillingParticulates("大麦磨粉机", "100", 3.0f), "141"},
      {feedMillingParticulates("小麦风选器（除壳）", "1000", 3.0f), "91"},
      {feedMillingParticulates("秸杆粉干燥器", "2.5", 3.0f), "12.825"},
      {feedMillingParticulates("", "100", 3.0f), "0"},
      {feedMillingParticulates("", "", 3.0f), "0"},
      {feedMillingParticulates("草饲料的磨粉机", "", 3.0f), "3"},
      {cottonGinDust("100", 3.0f), "2.34"},
      {cottonGinDust("1e3", 3.0f), "23.4"},
      {cottonGinDust("100t", 3.0f), "3"},
      {glassRawMaterialParticulates("100", 3.0f), "748"},
      {glassRawMaterialParticulates(" ", 3.0f), "3"},
      {glassMakingParticulates("100", 3.0f), "91"},
      {glassMakingParticulates("-10", 3.0f), "-9.1"},
      {glassMakingParticulates("", 3.0f), "3"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(plainText(cases[i].first), cases[i].second);
  }
  EXPECT_EQ(feedMillingTypes().size(), 4u);
}

}  // namespace
}  // namespace tolvar::process
