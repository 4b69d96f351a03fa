#include "catalogues/editions/hazardous_waste_2021_window.h"

#include "catalogues/editions/hazardous_waste_2021.h"

namespace tolvar::catalogues {
namespace {

EditionSearchDescription describe() {
  return {
      .title = kHazardousWaste2021Title,
      .modeFrame = "查询方式",
      .modes = {"按废物类别查询", "按废物代码查询", "关键字查询"},
      .prompts = {"请选择废物类别：", "输入废物代码或代码的开头（如 900-041-49、900-）：",
                  "输入行业来源或危险废物名称中的关键字："},
      .listItems = hazardousWasteCategories2021(),
      .searchButton = "查询",
      .resultFrame = "查询结果：",
      .nothingFound = "查询无记录，请重新输入。",
      .emptyQueryMessages = {"请输入废物代码或代码的开头。", "请输入查询的关键字。"},
      .searches = {wastesInCategory, wastesWithCodeStartingWith, wastesMentioning},
      .rows = hazardousWasteRows2021,
  };
}

}  // namespace

HazardousWaste2021Window::HazardousWaste2021Window() : EditionSearchWindow(describe()) {}

}  // namespace tolvar::catalogues
