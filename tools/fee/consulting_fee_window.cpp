#include "tools/fee/consulting_fee_window.h"

#include <string>
#include <vector>

#include "framework/window.h"
#include "tools/fee/consulting_fee.h"
#include "tools/fee/fee_schedule.h"

namespace tolvar::fee {
namespace {

// The option buttons of the industry and sensitivity frames follow the schedule's data, in
// its order: Industry1, Industry2, … and Sensitivity1, Sensitivity2.
void addOptions(WindowDescriptor& d, const std::vector<FeeShare>& shares, const char* prefix,
                const char* frameName) {
  for (std::size_t i = 0; i < shares.size(); ++i) {
    d.add(optionButton(prefix + std::to_string(i + 1), shares[i].option).in(frameName));
  }
}

WindowDescriptor describe() {
  const FeeSchedule& schedule = feeSchedule();
  WindowDescriptor d{kConsultingFeeTitle, {}};
  d.columns = 2;
  d.add(heading("Heading", "建设项目环境影响评价咨询收费计算").spanningColumns());
  d.add(textField("Text1", "项目的投资额（万元）：", "3500").withColour(kDarkGreen));
  d.add(label("InvestmentNote", "注:此处以万元为单位，计算中自动转换亿元"));
  d.add(frame("Frame1", "评价咨询类别"));
  d.add(optionButton("ReportOption", "环境影响报告书").in("Frame1"));
  d.add(optionButton("FormOption", "环境影响报告表").in("Frame1"));
  d.add(frame("Frame2", "请选择项目所属行业类别"));
  addOptions(d, schedule.industries, "Industry", "Frame2");
  d.add(frame("Frame3", "请选择环境敏感程度"));
  addOptions(d, schedule.sensitivities, "Sensitivity", "Frame3");
  d.add(frame("Frame4", "报告表是否设置专题"));
  d.add(optionButton("TopicsYes", "是").in("Frame4"));
  d.add(optionButton("TopicsNo", "否").in("Frame4"));
  d.add(textField("Text2", "设置专题的个数：", "2").withColour(kDarkGreen));
  d.add(button("Command1", "刷新结果"));
  d.add(frame("Frame5", "计算结果").startingColumn());
  d.add(richText("RichTextBox1", "").in("Frame5"));
  return d;
}

// The text of the checked option among those of a frame, or empty text when none is checked.
std::string checkedOption(const Window& w, const char* frameName) {
  for (const Control& c : w.descriptor().controls) {
    if (c.kind == ControlKind::optionButton && c.parent == frameName && w.state(c.name).checked) {
      return w.state(c.name).caption;
    }
  }
  return {};
}

void showReportOptions(Window& w, bool report) {
  w.setVisible("Frame2", report);
  w.setVisible("Frame3", report);
  w.setVisible("Frame4", !report);
  w.setVisible("Text2", !report);
}

void refresh(Window& w) {
  FeeRequest request{
      .investment = w.text("Text1"),
      .topicCount = w.text("Text2"),
      .kind = w.state("FormOption").checked ? DocumentKind::form : DocumentKind::report,
      .industry = checkedOption(w, "Frame2"),
      .sensitivity = checkedOption(w, "Frame3"),
  };
  FeeOutcome outcome = consultingFee(request);
  if (!outcome.text) {
    w.message("“" + outcome.unreadableField + "”的输入不是有效的数值，请检查后再计算。");
    return;
  }
  w.setText("RichTextBox1", std::move(*outcome.text));
}

}  // namespace

ConsultingFeeWindow::ConsultingFeeWindow() : Tool(describe()) {
  onLoad([](Window& w) {
    w.setChecked("ReportOption", true);
    w.setChecked("Industry1", true);
    w.setChecked("Sensitivity1", true);
  });
  on(Event::click, "ReportOption", [](Window& w) { showReportOptions(w, true); });
  on(Event::click, "FormOption", [](Window& w) {
    showReportOptions(w, false);
    w.setChecked("TopicsYes", true);
  });
  on(Event::click, "TopicsYes", [](Window& w) { w.setReadOnly("Text2", false); });
  on(Event::click, "TopicsNo", [](Window& w) {
    w.setText("Text2", "0");
    w.setReadOnly("Text2", true);
  });
  on(Event::click, "Command1", refresh);
}

}  // namespace tolvar::fee
