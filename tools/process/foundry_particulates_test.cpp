#include "tools/process/foundry_particulates.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::process {
namespace {

using Choices = std::array<FoundryChoice, kFoundryIndustries>;
enum Industry { aluminium, brass, greyIron, lead, steel, zinc };

Choices choose(std::initializer_list<std::pair<Industry, FoundryChoice>> picks) {
  Choices choices;
  for (const auto& [industry, choice] : picks) choices[industry] = choice;
  return choices;
}

TEST(FoundryParticulates, TheTableKeepsTheListsItemsInOrder) {
  const auto& industries = foundryIndustries();
  EXPECT_EQ(industries[aluminium]->name, "铝件铸造业");
  EXPECT_EQ(industries[zinc]->name, "锌加工业");
  EXPECT_EQ(industries[greyIron]->rows, std::vector<std::string>{"通用"});
  EXPECT_EQ(industries[greyIron]->columns.size(), 8u);
  EXPECT_EQ(industries[steel]->columns,
            (std::vector<std::string>{"无防治措施", "袋室除尘", "电吸尘器"}));
  EXPECT_EQ(industries[lead]->rows, (std::vector<std::string>{"圆顶炉", "钵炉", "反射炉或旧铅炉"}));
}

TEST(FoundryParticulates, EmissionOfOneIndustry) {
  struct Case {
    Industry industry;
    FoundryChoice choice;
    const char* quantity;
    const char* expected;
  };
  const Case cases[] = {
      {aluminium, {"加融剂的工厂", "无防治措施"}, "100", "45390"},
      {aluminium, {"反射炉", "电除尘"}, "100", "59"},
      {brass, {"电炉", "无防治措施"}, "100", "136"},
      {brass, {"回转炉", "袋室除尘"}, "100", "68"},
      {greyIron, {"通用", "感应电炉"}, "100", "91"},
      {greyIron, {"通用", "湿盖除尘"}, "100", "363"},
      {lead, {"圆顶炉", "无防治措施"}, "3.5", "476.35"},
      {steel, {"平炉", "电吸尘器"}, "100", "23"},
      {zinc, {"氧化锌炉", "无防治措施"}, "2,000", "77420"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.choice.furnace + " " + c.choice.facility);
    FoundryParticulates outcome =
        foundryParticulates(choose({{c.industry, c.choice}}), c.quantity, 5.0f);
    EXPECT_EQ(plainText(outcome.emission), c.expected);
    EXPECT_TRUE(outcome.messages.empty());
  }
}

TEST(FoundryParticulates, TheLastIndustryWithAFactorWins) {
  FoundryParticulates outcome = foundryParticulates(
      choose({{aluminium, {"反射炉", "袋室除尘"}}, {zinc, {"熔旧锌炉", "袋室除尘"}}}), "100", 0.0f);
  EXPECT_EQ(plainText(outcome.emission), "18");
}

TEST(FoundryParticulates, CombinationsWithoutAFactorShowOneMessageEach) {
  const std::pair<const char*, Choices> cases[] = {
      {"a dash in the table", choose({{aluminium, {"坩锅炉", "袋室除尘"}}})},
      {"no facility chosen", choose({{aluminium, {"反射炉", ""}}})},
      {"another industry's facility", choose({{steel, {"平炉", "湿盖除尘"}}})},
  };
  for (const auto& [what, choices] : cases) {
    SCOPED_TRACE(what);
    FoundryParticulates outcome = foundryParticulates(choices, "100", 12.5f);
    EXPECT_EQ(outcome.messages, std::vector<std::string>{"未有统计数据"});
    EXPECT_EQ(outcome.emission, 12.5f);
  }

  // Each industry is judged by itself: two without a factor around one with a factor.
  FoundryParticulates mixed = foundryParticulates(choose({{aluminium, {"坩锅炉", "电除尘"}},
                                                          {lead, {"钵炉", "无防治措施"}},
                                                          {zinc, {"镀锌炉", "袋室除尘"}}}),
                                                  "100", 0.0f);
  EXPECT_EQ(mixed.messages.size(), 2u);
  EXPECT_EQ(plainText(mixed.emission), "5");
}

TEST(FoundryParticulates, NothingChosenOrNoQuantityKeepsThePreviousEmission) {
  const std::pair<const char*, FoundryParticulates> cases[] = {
      {"no industry", foundryParticulates(Choices{}, "100", 136.0f)},
      {"a furnace text that is no item",
       foundryParticulates(choose({{brass, {"电炉 ", "无防治措施"}}}), "100", 136.0f)},
      {"empty quantity",
       foundryParticulates(choose({{brass, {"电炉", "无防治措施"}}}), "", 136.0f)},
      {"unreadable quantity",
       foundryParticulates(choose({{brass, {"坩锅炉", "无防治措施"}}}), "1oo", 136.0f)},
  };
  for (const auto& [what, outcome] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(outcome.emission, 136.0f);
    EXPECT_TRUE(outcome.messages.empty());
  }
}

TEST(FactorTables, MalformedDataIsRejectedWithItsLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"row before table", "row\ta\t1\n"},
      {"row before columns", "table\tt\nrow\ta\t1\n"},
      {"missing factor", "table\tt\ncolumns\tx\ty\nrow\ta\t1\n"},
      {"not a number", "table\tt\ncolumns\tx\nrow\ta\t1,5\n"},
      {"table without rows", "table\tt\ncolumns\tx\n"},
      {"second row of the same item", "table\tt\ncolumns\tx\nrow\ta\t1\nrow\ta\t2\n"},
  };
  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    EXPECT_THROW(parseFactorTables(text), std::invalid_argument);
  }
  std::vector<FactorTable> tables = parseFactorTables("table\tt\ncolumns\tx\ty\nrow\ta\t—\t2.5\n");
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_FALSE(tables[0].factor("a", "x"));
  EXPECT_EQ(tables[0].factor("a", "y"), 2.5);
}

}  // namespace
}  // namespace tolvar::process
