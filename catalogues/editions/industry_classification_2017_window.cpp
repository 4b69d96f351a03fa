#include "catalogues/editions/industry_classification_2017_window.h"

#include "catalogues/editions/edition_search_window.h"
#include "catalogues/editions/industry_classification_2017.h"

namespace tolvar::catalogues {
namespace {

std::vector<std::string> sectionItems() {
  std::vector<std::string> items;
  for (const IndustryEntry2017& e : industryClassification2017()) {
    if (e.ancestors.empty()) items.push_back(e.code + " " + e.name);
  }
  return items;
}

EditionSearchDescription describe() {
  return {
      .title = kIndustryClassification2017Title,
      .modeFrame = "检索方式",
      .modes = {"按门类检索", "按代码检索", "关键字检索"},
      .prompts = {"请选择门类：", "输入行业代码或代码的开头（如 26、2614）：",
                  "输入行业类别名称中的关键字："},
      .listItems = sectionItems(),
      .searchButton = "检索",
      .resultFrame = "检索结果：",
      .nothingFound = "检索无记录，请重新输入。",
      .emptyQueryMessages = {"请输入行业代码或代码的开头。", "请输入检索的关键字。"},
      .searches = {[](std::string_view item) { return industrySection2017(item.substr(0, 1)); },
                   industryCodesStartingWith, industryNamesContaining},
      .rows = industryRows2017,
  };
}

}  // namespace

IndustryClassification2017Window::IndustryClassification2017Window()
    : EditionSearchWindow(describe()) {}

}  // namespace tolvar::catalogues
