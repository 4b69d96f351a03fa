#include "tools/industry/metal_surface.h"

#include "framework/conversion.h"
#include "framework/number_format.h"
#include "framework/steps.h"

namespace tolvar::industry {
namespace {

// A mean discharge: the product rounded to single precision.
std::string mean(double quantity, double coefficient) {
  return plainText(toSingle(quantity * coefficient));
}

// A bound of a range: the product as it is, in double precision.
std::string bound(double quantity, double coefficient) {
  return plainText(quantity * coefficient);
}

std::string cyanidePlating(double q) {
  return std::string("氰化电镀产生的污染物:\n  氰化物(液)=") + mean(q, 0.095) +
         "；  铜=" + mean(q, 0.019) + " ；  镍=" + mean(q, 0.025) + "；  锌=" + mean(q, 0.025) +
         "\n；    排污量的单位与氰化物用量一致";
}

std::string chromiumPlating(double q) {
  return std::string(
             "用氰化物镀铬时,镀铬分为高铬纯化和低铬纯化,对于两种不同的工艺,排污量不一样\n"
             "      高铬纯化排放铬为:") +
         mean(q, 0.38) + "      低铬纯化排放的铬量为:" + mean(q, 0.34) +
         "\n    排污量的单位与氰化物用量一致";
}

std::string circuitBoards(double q) {
  return std::string(
             "线路板生产分为单面板生产和双面板的生产，生产不同类别的线路板，排放污染物的量不同,"
             "当生产单面板时，排放的污染物的量为：") +
         "  平均排放废水：" + mean(q, 0.66) + "吨；" + "    排放废水量在" + bound(q, 0.32) + "—" +
         bound(q, 1.38) + "之间波动；" + "    平均铜的排放量为：" + mean(q, 0.04) + "千克；" +
         "    铜的排放量在：" + bound(q, 0.02) + "—" + bound(q, 0.07) + "之间波动。" +
         "    当生产双面板时,排放的污染物的量为：" + "  平均排放废水：" + mean(q, 1.32) + "吨；" +
         "    排放废水量在：" + bound(q, 0.63) + "—" + bound(q, 2.76) + "之间波动；" +
         "    平均铜的排放量为：" + mean(q, 0.07) + "千克；" + "    铜的排放量在" + bound(q, 0.04) +
         "—" + bound(q, 0.14) + "之间波动。";
}

}  // namespace

std::optional<std::string> metalSurfaceParagraph(std::string_view operation, double quantity) {
  std::string (*build)(double) = nullptr;
  if (operation == kCyanidePlating) build = cyanidePlating;
  if (operation == kChromiumPlating) build = chromiumPlating;
  if (operation == kCircuitBoards) build = circuitBoards;
  if (build == nullptr) return std::nullopt;
  // A mean beyond the single range fails the whole paragraph, as one statement built it.
  TextSlot paragraph;
  Steps steps;
  steps.write(paragraph, [&] { return build(quantity); });
  if (steps.failedSteps() > 0) return std::nullopt;
  return paragraph.text;
}

std::string quantityHint(std::string_view operation) {
  return operation == kCyanidePlating || operation == kChromiumPlating ? "请输入氰化物用量"
                                                                       : "线路板的面积:M^2";
}

}  // namespace tolvar::industry
