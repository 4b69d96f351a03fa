#include "catalogues/text_compare.h"

#include <gtest/gtest.h>

namespace tolvar::catalogues {
namespace {

TEST(TextCompare, IgnoresCaseAndCharacterWidth) {
  const std::pair<const char*, const char*> same[] = {
      {"hw05", "HW05"},       {"ＨＷ０５", "HW05"},  // full-width letters and digits
      {"ｈｗ", "HW"},          // full-width lower case against half-width capitals
      {"Ａ　B", "a b"},        // the ideographic space is a blank
      {"（科技）", "(科技)"},  // full-width brackets
      {"ÉΩЖ", "éωж"},          // capitals beyond ASCII
  };
  for (const auto& [a, b] : same) {
    SCOPED_TRACE(a);
    EXPECT_TRUE(equalAsText(toUtf32(a), toUtf32(b)));
  }
  const std::pair<const char*, const char*> different[] = {
      {"化工", "化肥"}, {"HW05", "HW5"}, {"×", "÷"}, {"b", "p"}, {"化工", "化工 "},
  };
  for (const auto& [a, b] : different) {
    SCOPED_TRACE(a);
    EXPECT_FALSE(equalAsText(toUtf32(a), toUtf32(b)));
  }
}

TEST(TextCompare, FindsFromAPositionInCharacters) {
  std::u32string text = toUtf32("天然气化工，ABS树脂，abs管");
  EXPECT_EQ(findAsText(text, toUtf32("化工")), 3u);
  EXPECT_EQ(findAsText(text, toUtf32("ａｂｓ")), 6u);
  EXPECT_EQ(findAsText(text, toUtf32("abs"), 7), 12u);
  EXPECT_EQ(findAsText(text, toUtf32("abs"), 13), std::u32string::npos);
  EXPECT_EQ(findAsText(text, toUtf32("管"), text.size() - 1), text.size() - 1);
  EXPECT_EQ(findAsText(text, toUtf32("火星")), std::u32string::npos);
  EXPECT_EQ(findAsText(text, U"", 4), 4u);
  EXPECT_EQ(findAsText(text, U"", text.size() + 1), std::u32string::npos);
  EXPECT_EQ(findAsText(U"ab", U"abc"), std::u32string::npos);
}

TEST(TextCompare, RoundTripsUtf8) {
  const char* text = "9800 国际组织\r\n（GB/T 4754—2002 ）";
  EXPECT_EQ(toUtf8(toUtf32(text)), text);
  EXPECT_EQ(toUtf32(text).size(), 28u);
}

}  // namespace
}  // namespace tolvar::catalogues
