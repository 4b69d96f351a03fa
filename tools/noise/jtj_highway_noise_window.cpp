#include "tools/noise/jtj_highway_noise_window.h"

#include <array>
#include <string>
#include <variant>

#include "framework/window.h"
#include "tools/noise/jtj_highway_noise.h"
#include "tools/noise/jtj_highway_noise_help_window.h"

namespace tolvar::noise {
namespace {

constexpr const char* kInputFrame = "Frame1";
constexpr const char* kReport = "RichTextBox1";

struct Input {
  const char* name;
  const char* caption;
  const char* defaultText;
  const char* unit;
};

// Two columns of fields; the second starts at the small-vehicle night flow.
constexpr std::array<Input, 14> kInputs = {{
    {"Text1", "预测年份：", "2003", "年"},
    {"Text2", "大型车昼流量：", "50", "辆/h"},
    {"Text3", "中型车昼流量：", "220", "辆/h"},
    {"Text4", "小型车昼流量：", "200", "辆/h"},
    {"Text5", "纵坡坡度：", "0.04", ""},
    {"Text6", "大型车夜流量：", "30", "辆/h"},
    {"Text7", "中型车夜流量：", "120", "辆/h"},
    {"Text8", "小型车夜流量：", "120", "辆/h"},
    {"Text9", "车道宽度：", "15", "m"},
    {"Text10", "预测时间：", "1", "h"},
    {"Text11", "树林衰减量：", "0", "dB"},
    {"Text12", "建筑物衰减量：", "0", "dB"},
    {"Text13", "预测路段名称：", "XXX高速公路", ""},
    {"Text14", "预测点向公路两端视线间的夹角：", "150", "度"},
}};

struct Option {
  const char* name;
  const char* caption;
  double value;
};

constexpr std::array<Option, 3> kGroundOptions = {{
    {"Option1", "硬地面", 0.9},
    {"Option2", "一般土地面", 1.0},
    {"Option3", "绿化草地地面", 1.1},
}};
constexpr std::array<Option, 2> kPavementOptions = {{
    {"Option4", "沥清地面", 0.0},
    {"Option5", "水泥地面", 2.0},
}};

constexpr const char* kNotes =
    "1、预测点距公路的距离为预测点距公路外沿的距离；本程序仅限双向四车道交通噪声预测！\r\n"
    "2、车道的宽度为每条车道的宽度；\r\n"
    "3、预测点与公路两端的夹角应输入；\r\n"
    "4、ΔL2建筑物为建筑障碍物引起的等效A声级衰减量，按下述方法取值："
    "当第一排建筑物占预测点与路面中心线间面积的40%~60%时，ΔL2建筑物=3dB；"
    "当第一排建筑物占预测点与路面中心线间面积的70%~90%时，ΔL2建筑物=5dB；"
    "每增加一排建筑物，ΔL2建筑物值增加1.5dB，最多为10dB。\r\n"
    "5、ΔL2树林为树林障碍物引起的等效A声级衰减量。"
    "预测点与公路间的视线被高于4.5m的树林遮挡时，树林深30m，ΔL2树林=5dB；"
    "树林深60m，ΔL2树林=10dB；最多为10dB。";

WindowDescriptor describe() {
  WindowDescriptor d{kJtjHighwayNoiseTitle, {}};
  // The fields on the left, the options and the buttons on the right, the notes and the report
  // across the bottom.
  d.columns = 2;
  d.add(frame(kInputFrame, "交通部公路模型交通噪声预测"));
  for (const Input& input : kInputs) {
    Control field = textField(input.name, input.caption, input.defaultText)
                        .withUnit(input.unit)
                        .withColour(kDarkGreen)
                        .in(kInputFrame);
    field.startsColumn = std::string(input.name) == "Text8";
    d.add(std::move(field));
  }
  d.add(frame("Frame2", "地面状况").startingColumn());
  for (const Option& option : kGroundOptions) {
    d.add(optionButton(option.name, option.caption).in("Frame2"));
  }
  d.add(frame("Frame3", "路面修正量"));
  for (const Option& option : kPavementOptions) {
    d.add(optionButton(option.name, option.caption).in("Frame3"));
  }
  d.add(button("Command3", "帮    助"));
  d.add(button("Command1", "刷新结果"));
  d.add(button("Command2", "退   出"));
  d.add(frame("Frame4", "说明").spanningColumns());
  Control notes = note("Text15", kNotes).in("Frame4").locked().withLines(6);
  notes.tooltipBackground = true;
  d.add(std::move(notes));
  d.add(frame("Frame5", "预测结果").spanningColumns());
  d.add(note(kReport, "").in("Frame5").locked().inFixedPitch().withLines(5));
  return d;
}

JtjTrafficTexts textsOf(const Window& w) {
  return {.year = w.text("Text1"),
          .largeDayFlow = w.text("Text2"),
          .mediumDayFlow = w.text("Text3"),
          .smallDayFlow = w.text("Text4"),
          .gradient = w.text("Text5"),
          .largeNightFlow = w.text("Text6"),
          .mediumNightFlow = w.text("Text7"),
          .smallNightFlow = w.text("Text8"),
          .laneWidth = w.text("Text9"),
          .woodlandAttenuation = w.text("Text11"),
          .buildingAttenuation = w.text("Text12"),
          .sectionName = w.text("Text13"),
          .viewAngle = w.text("Text14")};
}

double pavementCorrectionOf(const Window& w) {
  for (const Option& option : kPavementOptions) {
    if (w.state(option.name).checked) return option.value;
  }
  return 0;
}

}  // namespace

JtjHighwayNoiseWindow::JtjHighwayNoiseWindow() : Tool(describe()) {
  onLoad([](Window& w) {
    w.setChecked("Option2", true);
    w.setChecked("Option4", true);
  });
  for (const Option& option : kGroundOptions) {
    on(Event::click, option.name, [this, k1 = option.value](Window&) { groundConstant_ = k1; });
  }
  // Nothing is computed when a field cannot be used: the message says which and why, and the
  // previous report stays as it was.
  on(Event::click, "Command1", [this](Window& w) {
    JtjSurface surface{.groundConstant = groundConstant_,
                       .pavementCorrection = pavementCorrectionOf(w)};
    auto report = jtjReport(textsOf(w), surface);
    if (auto* failure = std::get_if<JtjFailure>(&report)) {
      w.message(failure->message);
      return;
    }
    w.setText(kReport, std::get<std::string>(report));
  });
  on(Event::click, "Command2", [](Window& w) { w.close(); });
  on(Event::click, "Command3", [](Window& w) { w.open(kJtjHighwayNoiseHelpTitle); });
}

}  // namespace tolvar::noise
