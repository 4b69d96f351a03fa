#include "tools/noise/jtg_highway_noise_window.h"

#include <array>
#include <string>

#include "framework/window.h"
#include "tools/noise/jtg_highway_noise.h"

namespace tolvar::noise {
namespace {

constexpr const char* kInputFrame = "Frame1";
constexpr const char* kReport = "RichTextBox1";
constexpr std::array<const char*, 3> kSpeedFields = {"Text15", "Text16", "Text17"};

constexpr const char* kShareHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006；附录C "
    "C1.1-2公式要求，用于计算某种车型的预测车速参数！";
constexpr const char* kFlowHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006 公式8.4.2-2中取值规定 ,Ni为各种车型小时流量！";
constexpr const char* kSpeedHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006 公式8.4.2-2中取值规定 "
    ",Vi为各种车型平均行驶速度！可根据项目直接影响区相似的公路车辆运行状况分析确定车速！";
constexpr const char* kZeroSpeedMessage =
    "你选择了手工输入各型车行驶速度，但是各型车的行驶速度中有为0的选项，会导致预测结果不准确！"
    "请检查你的车速输入框，重新计算！";

struct Input {
  const char* name;
  const char* caption;
  const char* defaultText;
  const char* unit;
  const char* help;  // the message of the "......?" button beside it; none where null
};

constexpr const char* kHelpText6 =
    "《公路建设项目环评影响评价规范》 JTG B03-2006 公式8.4.2-2中取值规定 "
    ",T为计算等效声级的时间,以1小时！一般不要更改";
constexpr const char* kHelpText7 = "车道宽度为单条行车道的宽度！";
constexpr const char* kHelpText8 =
    "《公路建设项目环评影响评价规范》 JTG B03-2006；P42："
    "林带引起的衰减量随着功能区的不同差异不同，最大不超过10dB，例如，"
    "东北地区的林带密度小，衰减量可以适当减小！";
constexpr const char* kHelpText9 =
    "《公路建设项目环评影响评价规范》 JTG B03-2006；P42：ΔL "
    "建筑物为建筑障碍物引起的等效A声级衰减量，按下述方法取值："
    "当第一排建筑物占预测点与路面中心线间面积的40%~60%时，ΔL2建筑物=3dB； "
    "当第一排建筑物占预测点与路面中心线间面积的70%~90%时，ΔL2建筑物=5dB； "
    "每增加一排建筑物，ΔL2建筑物值增加1.5dB，最多为10dB。";
constexpr const char* kHelpText11 =
    "《公路建设项目环评影响评价规范》 JTG B03-2006；附录C 表C1.1-3 "
    "规定：当纵坡系数（%）小于且等于3时，噪声修正直为0；在4-5之间时，修正值为+1dB；"
    "在6-7之间时，修正值为+3dB；大于7时，修正值为+5dB；！";

// Two columns of fields inside the input frame; the second starts at the large-vehicle flow.
constexpr std::array<Input, 17> kInputs = {{
    {"Text1", "预测路段名称：", "XXX高等级公路", "", nullptr},
    {"Text2", "单车道车流量：", "800", "辆/h", kShareHelp},
    {"Text3", "大型车车型比：", "0.3", "", kShareHelp},
    {"Text4", "中型车车型比：", "0.4", "", kShareHelp},
    {"Text5", "小型车车型比：", "0.3", "", kShareHelp},
    {"Text6", "预测时间：", "1", "h", kHelpText6},
    {"Text7", "车道宽度：", "15", "m", kHelpText7},
    {"Text8", "树林衰减量：", "1", "dB", kHelpText8},
    {"Text9", "建筑物衰减量：", "2.5", "dB", kHelpText9},
    {"Text10", "预测点向公路两端视线间的夹角：", "150", "度", nullptr},
    {"Text11", "纵坡系数：", "4.5", "%", kHelpText11},
    {"Text12", "大型车车流量：", "300", "辆/h", kFlowHelp},
    {"Text13", "中型车车流量：", "400", "辆/h", kFlowHelp},
    {"Text14", "小型车车流量：", "500", "辆/h", kFlowHelp},
    {"Text15", "大型车车速：", "80", "km/h", kSpeedHelp},
    {"Text16", "中型车车速：", "90", "km/h", kSpeedHelp},
    {"Text17", "小型车车速：", "110", "km/h", kSpeedHelp},
}};

std::string helpButtonOf(const Input& input) {
  return std::string("Help") + input.name;
}

struct OptionGroup {
  const char* frame;
  const char* caption;
  std::array<const char*, 2> options;
  std::array<const char*, 2> captions;
};

constexpr std::array<OptionGroup, 3> kOptionGroups = {{
    {"Frame3", "各型车车速计算", {"Option1", "Option2"}, {"手工输入", "公式法"}},
    {"Frame4", "公路等级", {"Option3", "Option4"}, {"双向六车道", "双向四车道"}},
    {"Frame5", "路面修正量", {"Option5", "Option6"}, {"沥清混凝土路面", "水泥混凝土路面"}},
}};

WindowDescriptor describe() {
  WindowDescriptor d{kJtgHighwayNoiseTitle, {}};
  // The fields on the left, the design speed, the options and the buttons on the right, the
  // note and the report across the bottom.
  d.columns = 2;
  d.add(frame(kInputFrame, "交通部公路模型交通噪声预测 "));
  for (const Input& input : kInputs) {
    Control field = textField(input.name, input.caption, input.defaultText)
                        .withUnit(input.unit)
                        .withColour(kDarkGreen)
                        .in(kInputFrame);
    field.startsColumn = std::string(input.name) == "Text12";
    d.add(std::move(field));
    if (input.help != nullptr) {
      d.add(button(helpButtonOf(input), "......?").besideField(input.name).in(kInputFrame));
    }
  }
  d.add(frame("Frame2", "设计时速").startingColumn());
  d.add(textField("Text18", "", "100").withUnit("Km/h").withColour(kDarkGreen).in("Frame2"));
  for (const OptionGroup& group : kOptionGroups) {
    d.add(frame(group.frame, group.caption));
    for (std::size_t i = 0; i < group.options.size(); ++i) {
      d.add(optionButton(group.options[i], group.captions[i]).in(group.frame));
    }
  }
  d.add(button("Command1", "刷新结果"));
  d.add(button("Command2", "退   出"));
  d.add(label("Label1",
              "注：关于车速的说明，当选择公式法时，不用手工输入车速！默认为手工输入！"
              "公式法预测结果偏大!")
            .spanningColumns());
  d.add(frame("Frame6", "预测结果").spanningColumns());
  d.add(note(kReport, "").in("Frame6").locked().inFixedPitch().withLines(9));
  return d;
}

JtgTrafficTexts textsOf(const Window& w) {
  return {.sectionName = w.text("Text1"),
          .laneFlow = w.text("Text2"),
          .largeShare = w.text("Text3"),
          .mediumShare = w.text("Text4"),
          .smallShare = w.text("Text5"),
          .laneWidth = w.text("Text7"),
          .woodlandAttenuation = w.text("Text8"),
          .buildingAttenuation = w.text("Text9"),
          .viewAngle = w.text("Text10"),
          .gradient = w.text("Text11"),
          .largeFlow = w.text("Text12"),
          .mediumFlow = w.text("Text13"),
          .smallFlow = w.text("Text14"),
          .largeSpeed = w.text("Text15"),
          .mediumSpeed = w.text("Text16"),
          .smallSpeed = w.text("Text17"),
          .designSpeed = w.text("Text18")};
}

JtgChoices choicesOf(const Window& w) {
  return {.speeds = w.state("Option2").checked ? SpeedSource::formula : SpeedSource::typed,
          .road = w.state("Option4").checked ? RoadClass::dualFourLane : RoadClass::dualSixLane,
          .pavement = w.state("Option6").checked ? Pavement::cement : Pavement::asphalt};
}

void refreshReport(Window& w) {
  JtgReport report = jtgReport(textsOf(w), choicesOf(w));
  if (report.zeroSpeedMessageDue) {
    w.message(kZeroSpeedMessage);
    w.moveFocus(kSpeedFields[0]);
  }
  w.setText(kReport, report.text);
}

}  // namespace

JtgHighwayNoiseWindow::JtgHighwayNoiseWindow() : Tool(describe()) {
  onLoad([](Window& w) {
    for (const OptionGroup& group : kOptionGroups) w.setChecked(group.options[0], true);
  });
  for (const Input& input : kInputs) {
    if (input.help == nullptr) continue;
    on(Event::click, helpButtonOf(input), [help = input.help](Window& w) { w.message(help); });
  }
  // The formula works the speeds out itself; the typed ones are cleared so as not to mislead.
  on(Event::click, "Option2", [](Window& w) {
    for (const char* field : kSpeedFields) w.setText(field, "0");
  });
  on(Event::click, "Command1", refreshReport);
  on(Event::click, "Command2", [](Window& w) { w.close(); });
}

}  // namespace tolvar::noise
