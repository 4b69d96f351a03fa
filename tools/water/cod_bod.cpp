#include "tools/water/cod_bod.h"

#include <array>

#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::water {
namespace {

constexpr std::array<CodBodLine, 8> kLines = {{
    {"机械废水：", 0.2732, 1.8},
    {"冷却废水：", 0.1285, 0.11},
    {"制药废水：", 0.3922, 131.21},
    {"纺织印染废水：", 0.4208, -2.49},
    {"食品加工废水：", 0.6126, 13.7},
    {"饮食废水：", 0.5992, 17.51},
    {"医院废水：", 0.3439, -0.41},
    {"生活污水：", 0.486, 17.02},
}};

}  // namespace

std::span<const CodBodLine> codBodLines() {
  return kLines;
}

std::string bod5Text(const CodBodLine& line, std::string_view codText, std::string currentText) {
  TextSlot bod5{std::move(currentText)};
  Steps steps;
  steps.write(bod5, [&] { return plainText(strictDouble(codText) * line.slope + line.intercept); });
  return bod5.text;
}

}  // namespace tolvar::water
