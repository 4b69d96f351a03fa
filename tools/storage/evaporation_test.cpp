#include "tools/storage/evaporation.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::storage {
namespace {

TEST(Evaporation, SolventDrivenOffOrThePreviousPress) {
  struct Case {
    EvaporationTexts texts;
    const char* shown;
  };
  const float previous = 800.0f;
  const Case cases[] = {
      {{"1000", "10", "50"}, "800"},  {{"1500", "12", "40"}, "1050"},
      {{"1000", "20", "20"}, "0"},    {{"1000", "50", "10"}, "-4000"},
      {{"333", "1", "3"}, "222"},     {{"1000", "10", "0"}, "800"},
      {{"1000", "0", "0"}, "800"},    {{"", "10", "50"}, "800"},
      {{"1000", "ten", "50"}, "800"}, {{"1e300", "0", "1e-300"}, "800"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.feed + " " + c.texts.concentrationBefore + " " +
                 c.texts.concentrationAfter);
    EXPECT_EQ(plainText(evaporatedSolvent(c.texts, previous)), c.shown);
  }
  EXPECT_EQ(evaporatedSolvent({"", "", ""}, 0.0f), 0.0f);
}

}  // namespace
}  // namespace tolvar::storage
