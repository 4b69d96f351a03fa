#include "catalogues/hazardous_waste.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "catalogues/catalogue_search.h"
#include "catalogues/text_compare.h"

namespace tolvar::catalogues {
namespace {

std::string entry(std::u32string_view text, const char* code) {
  auto found = hazardousWasteEntry(text, toUtf32(code));
  return found ? toUtf8(*found) : "none";
}

// A list of the real file's shape with source lines of its own, to show the lookup against
// mentions of codes inside entries.
std::string fixture() {
  std::string data = "# a comment\n";
  for (std::size_t i = 1; i <= kHazardousWasteCategoryCount; ++i) {
    std::string code = (i < 10 ? "HW0" : "HW") + std::to_string(i);
    data += code + "\t类别" + std::to_string(i) + "\n";
    data += "source\t来源" + std::to_string(i) + "\n";
    if (i == 6) data += "source\t——不包括HW42类的废有机溶剂\n";
    data += "component\t组分" + std::to_string(i) + "\n";
  }
  return data;
}

TEST(HazardousWaste, StoredListHasTheFortySevenCategoriesInCodeOrder) {
  const HazardousWasteList& list = hazardousWasteList();
  ASSERT_EQ(list.categories.size(), 47u);
  const std::pair<std::size_t, const char*> names[] = {
      {1, "医院临床废物"}, {2, "医药废物"},  {6, "有机溶剂废物"},
      {42, "废有机溶剂"},  {47, "含钡废物"},
  };
  for (const auto& [number, name] : names) {
    EXPECT_EQ(list.categories[number - 1].name, name);
  }
  EXPECT_EQ(list.categories[46].code, "HW47");
  for (const HazardousWasteCategory& category : list.categories) {
    SCOPED_TRACE(category.code);
    EXPECT_FALSE(category.lines.empty());
  }
  EXPECT_EQ(list.categories[0].components,
            std::vector<std::string>{"手术残物，敷料、化验废物，传染性废物，动物试验废物"});
}

TEST(HazardousWaste, EntriesOfTheStoredList) {
  const std::u32string& text = hazardousWasteList().text;
  std::string first = entry(text, "HW01");
  EXPECT_TRUE(first.starts_with("HW01\r\n医院临床废物\r\n"));
  EXPECT_TRUE(first.ends_with("\r\n手术残物，敷料、化验废物，传染性废物，动物试验废物\r"));
  EXPECT_EQ(toUtf8(firstTwoLines(toUtf32(first))), "HW01\r\n医院临床废物\r");
  EXPECT_EQ(entry(text, ""), first);
  EXPECT_TRUE(entry(text, "hw05").starts_with("HW05\r\n木材防腐剂废物\r\n"));
  std::string last = entry(text, "HW47");
  EXPECT_TRUE(last.starts_with("HW47\r\n含钡废物\r\n"));
  EXPECT_EQ(toUtf32(last).size() + 1, text.size() - text.rfind(U"HW47"));
  const char* noCodes[] = {"HW48", "HW5", "HW00", "医院临床废物", " HW05", "HW05 "};
  for (const char* code : noCodes) {
    SCOPED_TRACE(code);
    EXPECT_EQ(entry(text, code), "none");
  }
}

TEST(HazardousWaste, ACodeMentionedInsideAnotherEntryIsNoCodeLine) {
  HazardousWasteList list = parseHazardousWasteList(fixture());
  EXPECT_EQ(entry(list.text, "HW42"), "HW42\r\n类别42\r\n来源42\r\n组分42\r");
  EXPECT_EQ(entry(list.text, "HW06"),
            "HW06\r\n类别6\r\n来源6\r\n——不包括HW42类的废有机溶剂\r\n组分6\r");
  EXPECT_EQ(entry(list.text, "ｈｗ４７"), "HW47\r\n类别47\r\n来源47\r\n组分47\r");
  EXPECT_TRUE(list.categories[5].complete);
}

TEST(HazardousWaste, MalformedFilesAreRefused) {
  std::string fixtureText = fixture();
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string data = fixtureText;
    data.replace(data.find(from), from.size(), to);
    return data;
  };
  const std::pair<const char*, std::string> malformed[] = {
      {"code out of order", replaced("HW03\t", "HW04\t")},
      {"a category without lines", replaced("source\t来源2\ncomponent\t组分2\n", "")},
      {"a line beginning with the code prefix", replaced("来源3", "hw3来源")},
      {"an unknown record", replaced("component\t组分4", "other\t组分4")},
      {"a record without text", replaced("组分5", "")},
      {"a category missing", fixtureText.substr(0, fixtureText.find("HW47"))},
  };
  for (const auto& [what, data] : malformed) {
    SCOPED_TRACE(what);
    EXPECT_THROW(parseHazardousWasteList(data), std::invalid_argument);
  }
}

}  // namespace
}  // namespace tolvar::catalogues
