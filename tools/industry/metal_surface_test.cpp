#include "tools/industry/metal_surface.h"

#include <gtest/gtest.h>

namespace tolvar::industry {
namespace {

TEST(MetalSurface, CyanidePlatingParagraph) {
  EXPECT_EQ(metalSurfaceParagraph("氰化电镀", 100),
            "氰化电镀产生的污染物:\n  氰化物(液)=9.5；  铜=1.9 ；  镍=2.5；  锌=2.5\n；    "
            "排污量的单位与氰化物用量一致");
}

TEST(MetalSurface, ChromiumPlatingParagraph) {
  EXPECT_EQ(metalSurfaceParagraph("镀铬", 10),
            "用氰化物镀铬时,镀铬分为高铬纯化和低铬纯化,对于两种不同的工艺,排污量不一样\n      "
            "高铬纯化排放铬为:3.8      低铬纯化排放的铬量为:3.4\n    排污量的单位与氰化物用量一致");
}

TEST(MetalSurface, CircuitBoardParagraphWithSingleMeansAndDoubleRanges) {
  EXPECT_EQ(metalSurfaceParagraph("线路板生产", 10),
            "线路板生产分为单面板生产和双面板的生产，生产不同类别的线路板，排放污染物的量不同,"
            "当生产单面板时，排放的污染物的量为：  平均排放废水：6.6吨；    排放废水量在3.2—13.8"
            "之间波动；    平均铜的排放量为：0.4千克；    铜的排放量在：0.2—0.7之间波动。    "
            "当生产双面板时,排放的污染物的量为：  平均排放废水：13.2吨；    排放废水量在：6.3—"
            "27.6之间波动；    平均铜的排放量为：0.7千克；    铜的排放量在0.4—1.4之间波动。");
  // 1/3 m²: the means carry 7 digits, the bounds 15.
  std::string third = *metalSurfaceParagraph("线路板生产", 1.0 / 3);
  EXPECT_NE(third.find("平均排放废水：0.22吨；    排放废水量在0.106666666666667—0.46之间"),
            std::string::npos)
      << third;
}

TEST(MetalSurface, NoParagraphWithoutAnOperationOrBeyondSinglePrecision) {
  EXPECT_FALSE(metalSurfaceParagraph("", 100));
  EXPECT_FALSE(metalSurfaceParagraph("电镀", 100));
  EXPECT_FALSE(metalSurfaceParagraph("氰化电镀", 1e300));
  EXPECT_TRUE(metalSurfaceParagraph("氰化电镀", -1e30));
}

TEST(MetalSurface, QuantityHint) {
  EXPECT_EQ(quantityHint("氰化电镀"), "请输入氰化物用量");
  EXPECT_EQ(quantityHint("镀铬"), "请输入氰化物用量");
  EXPECT_EQ(quantityHint("线路板生产"), "线路板的面积:M^2");
  EXPECT_EQ(quantityHint("别的"), "线路板的面积:M^2");
}

}  // namespace
}  // namespace tolvar::industry
