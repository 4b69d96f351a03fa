#include "catalogues/industry_classification_window.h"

#include <string>
#include <vector>

#include "catalogues/catalogue_search.h"
#include "catalogues/industry_classification.h"
#include "catalogues/text_compare.h"
#include "framework/window.h"

namespace tolvar::catalogues {
namespace {

const std::vector<std::string> kSections = {
    "A 农、林、牧、渔业",
    "B 采矿业",
    "C 制造业",
    "D 电力及燃气及水的生产和供应业",
    "E 建筑业",
    "F 交通运输及仓储和邮政业",
    "G 信息传输及计算机服务和软件业",
    "H 批发和零售业",
    "I 住宿和餐饮业",
    "J 金融业",
    "K 房地产业",
    "L 租赁和商务服务业",
    "M 科学研究和技术服务和地质勘查业",
    "N 水利及环境和公共设施管理业",
    "O 居民服务和其他服务业",
    "P 教育",
    "Q 卫生及社会保障和社会福利业",
    "R 文化和体育和娱乐业",
    "S 公共管理和社会组织",
    "T 国际组织",
};

constexpr const char* kSectionPrompt = "请选择你想检索的行业类别：";
constexpr const char* kKeywordPrompt = "输入检索行业类别的关键字：";

WindowDescriptor describe() {
  WindowDescriptor d{kIndustryClassificationTitle, {}};
  d.add(heading("Label1", "国民经济行业分类与代码检索"));
  d.add(frame("Frame1", "检索方式"));
  d.add(optionButton("Option1", "按行业类别检索", true).in("Frame1"));
  d.add(optionButton("Option2", "关键字检索").in("Frame1"));
  d.add(label("Label2", kSectionPrompt));
  d.add(choiceList("Combo1", "", kSections, false));
  d.add(textField("Text1", "", "化工").hidden());
  d.add(button("Command1", "检索").besideField("Text1").hidden());
  d.add(frame("Frame2", "检索结果："));
  d.add(note("RichTextBox1", "").in("Frame2").locked().withLines(8));
  return d;
}

void showMode(Window& w, bool bySection) {
  w.setVisible("Combo1", bySection);
  w.setVisible("Text1", !bySection);
  w.setVisible("Command1", !bySection);
  w.setText("Label2", bySection ? kSectionPrompt : kKeywordPrompt);
}

void searchSection(Window& w) {
  std::u32string item = toUtf32(w.text("Combo1"));
  if (item.empty()) return;
  std::u32string_view section = industrySection(industryClassificationText(), item.front());
  w.setText("RichTextBox1", industrySectionResult(section));
}

void searchKeyword(Window& w) {
  std::u32string keyword = toUtf32(w.text("Text1"));
  if (!isSearchableKeyword(keyword)) {
    w.message(kKeywordRejected);
    w.setText("RichTextBox1", industryFoundListHeading());
    return;
  }
  w.setText("RichTextBox1",
            industryKeywordResult(industryLinesContaining(industryClassificationText(), keyword)));
}

}  // namespace

IndustryClassificationWindow::IndustryClassificationWindow() : Tool(describe()) {
  on(Event::click, "Option1", [](Window& w) { showMode(w, true); });
  on(Event::click, "Option2", [](Window& w) { showMode(w, false); });
  on(Event::choose, "Combo1", searchSection);
  on(Event::click, "Command1", searchKeyword);
}

}  // namespace tolvar::catalogues
