#include "tools/process/incineration.h"

#include <gtest/gtest.h>

#include "framework/number_format.h"

namespace tolvar::process {
namespace {

IncinerationTexts incinerator(std::string furnace, std::string efficiency, std::string quantity) {
  return {std::string(kIncinerator), std::move(furnace), "", "",
          std::move(efficiency),     std::move(quantity)};
}

IncinerationTexts openBurning(std::string refuse, std::string pollutant, std::string quantity) {
  // The efficiency is hidden in this mode and must not count.
  return {std::string(kOpenBurning), "家用焚烧炉", std::move(refuse),
          std::move(pollutant),      "50",         std::move(quantity)};
}

TEST(Incineration, EmissionByModeAndChoice) {
  const std::pair<IncinerationTexts, const char*> cases[] = {
      {incinerator("城市系统多室炉", "90", "2000"), "1542"},
      {incinerator("投入式焚烧炉", "85", "350"), "666.75"},
      {incinerator("商业系统多室炉", "0", "100"), "136"},
      {incinerator("", "90", "2000"), "0"},
      {incinerator("城市系统多室炉", "", "2000"), "9"},
      {openBurning("城市垃圾", "一氧化碳", "2000"), "77120"},
      {openBurning("农业垃圾", "甲醛", "2000"), "10"},
      {openBurning("农业垃圾", "有机酸（醋酸）", "10"), "59"},
      {openBurning("城市垃圾", "", "2000"), "0"},
      {openBurning("城市垃圾", "二氧化硫", "2000"), "0"},
      {openBurning("", "烟尘", "2000"), "9"},
      {openBurning("工业垃圾", "烟尘", "2000"), "9"},
      {openBurning("城市垃圾", "烟尘", "两千"), "9"},
      {{"", "城市系统多室炉", "城市垃圾", "烟尘", "90", "2000"}, "9"},
  };
  for (const auto& [texts, expected] : cases) {
    SCOPED_TRACE(texts.mode + " " + texts.furnace + " " + texts.refuse + " " + texts.pollutant);
    EXPECT_EQ(plainText(incineration(texts, 9.0f).emission), expected);
  }
}

TEST(Incineration, OnlyTwoIncineratorTypesDrawTheirEmission) {
  for (const std::string& furnace : incineratorTypes()) {
    SCOPED_TRACE(furnace);
    bool drawn = furnace == "商业系统单室炉" || furnace == "家用焚烧炉";
    EXPECT_EQ(incineration(incinerator(furnace, "90", "2000"), 0.0f).drawsEmission, drawn);
    // Also when the quantity does not convert and the emission stays as it was.
    EXPECT_EQ(incineration(incinerator(furnace, "90", ""), 0.0f).drawsEmission, drawn);
  }
  // In open burning the furnace type, hidden, does not apply.
  EXPECT_FALSE(incineration(openBurning("城市垃圾", "烟尘", "2000"), 0.0f).drawsEmission);
}

}  // namespace
}  // namespace tolvar::process
