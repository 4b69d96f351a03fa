#include "catalogues/catalogue_search.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogues/text_compare.h"

namespace tolvar::catalogues {
namespace {

std::vector<std::string> utf8(const std::vector<std::u32string_view>& pieces) {
  std::vector<std::string> out;
  for (std::u32string_view piece : pieces) out.push_back(toUtf8(piece));
  return out;
}

TEST(CatalogueSearch, LinesContainingListEachLineOnceFromTheStart) {
  std::u32string text = toUtf32("标题 化工\r\n1 化工化工\r\n2 其他\r\n3 石油化工\r\n");
  EXPECT_EQ(utf8(linesContaining(text, U"化工", 0)),
            (std::vector<std::string>{"标题 化工\r", "1 化工化工\r", "3 石油化工\r"}));
  EXPECT_EQ(utf8(linesContaining(text, U"化工", 7)),
            (std::vector<std::string>{"1 化工化工\r", "3 石油化工\r"}));
  EXPECT_TRUE(linesContaining(text, U"火星", 0).empty());
  std::u32string lastLineOpen = toUtf32("1 甲\r\n2 甲乙");
  EXPECT_EQ(utf8(linesContaining(lastLineOpen, U"乙", 0)), (std::vector<std::string>{"2 甲乙"}));
}

TEST(CatalogueSearch, MarkedEntriesRunBetweenMarkers) {
  std::u32string text =
      toUtf32("类A\r\n\r\n一、煤\r\n\r\n1.天然气甲B\r\n\r\n2.乙B\r\n\r\n3.天然气丙B");
  EXPECT_EQ(
      utf8(markedEntriesContaining(text, U"天然气", U'B')),
      (std::vector<std::string>{"类A\r\n\r\n一、煤\r\n\r\n1.天然气甲", "\r\n\r\n3.天然气丙"}));
  // An item that names a model with the letter b is cut there, as the markers make it.
  std::u32string model = toUtf32("1.PB2型轧机B\r\n\r\n2.abs管B");
  EXPECT_EQ(utf8(markedEntriesContaining(model, U"轧机", U'B')),
            (std::vector<std::string>{"2型轧机"}));
  EXPECT_EQ(utf8(markedEntriesContaining(model, U"管", U'B')), (std::vector<std::string>{"s管"}));
  // An item without a closing marker runs to the end of the text.
  EXPECT_EQ(utf8(markedEntriesContaining(toUtf32("1.甲B2.乙"), U"乙", U'B')),
            (std::vector<std::string>{"2.乙"}));
  EXPECT_TRUE(markedEntriesContaining(text, U"火星", U'B').empty());
}

TEST(CatalogueSearch, EntryUnderHeadingLine) {
  std::u32string text = toUtf32(
      "HW01\r\n甲\r\n不包括HW02类\r\n成分\r\n"
      "HW02\r\n乙\r\n来源\r\n"
      "HW03\r\n丙\r\n末行\r\n");
  auto entry = [&](const char* heading) {
    auto found = entryUnderHeading(text, toUtf32(heading), U"HW");
    return found ? toUtf8(*found) : std::string("none");
  };
  EXPECT_EQ(entry("HW01"), "HW01\r\n甲\r\n不包括HW02类\r\n成分\r");
  EXPECT_EQ(entry("HW02"), "HW02\r\n乙\r\n来源\r");  // not the mention inside HW01
  EXPECT_EQ(entry("hw03"), "HW03\r\n丙\r\n末行\r");  // the last, without the final line feed
  EXPECT_EQ(entry(""), entry("HW01"));
  EXPECT_EQ(entry("HW0"), "none");
  EXPECT_EQ(entry("HW04"), "none");
  EXPECT_EQ(entry("甲"), "none");  // a line that is no heading starts no entry
  EXPECT_EQ(toUtf8(firstTwoLines(toUtf32(entry("HW01")))), "HW01\r\n甲\r");
}

TEST(CatalogueSearch, KeywordsMustNotBeginWithAscii) {
  const std::pair<const char*, bool> cases[] = {
      {"化工", true}, {"", false},    {"a化工", false}, {"1", false},  {" 化工", false},
      {"~", false},   {"ＡＢ", true}, {"１", true},     {"化a", true},
  };
  for (const auto& [keyword, valid] : cases) {
    SCOPED_TRACE(keyword);
    EXPECT_EQ(isSearchableKeyword(toUtf32(keyword)), valid);
  }
}

}  // namespace
}  // namespace tolvar::catalogues
