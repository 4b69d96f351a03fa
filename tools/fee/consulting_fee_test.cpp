#include "tools/fee/consulting_fee.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/number_format.h"
#include "tools/fee/fee_schedule.h"

namespace tolvar::fee {
namespace {

constexpr const char* kFirstGroup =
    "化工、冶金、有色、黄金、煤炭、矿产、纺织、化纤、轻工、医药、区域";
constexpr const char* kThirdGroup =
    "林业、畜牧、渔业、农业、交通、铁道、民航、管线运输、建材、市政";
constexpr const char* kLastGroup = "粮食、建筑、信息产业、仓储";

constexpr const char* kNotes =
    "    注：\n"
    "    1、估算投资额为项目建议书上或可行性研究报告中的估算投资额\n"
    "    "
    "2、以上计算出来的费用不包括遥感、遥测、风洞实验、污染气象观测、示踪实验、地探、物探、卫星图片"
    "解读、需要动用的船、飞机等特殊监测费用";

// The schedule's fees before any adjustment, at every band edge, just beyond it and inside
// each band; investments in 10 000 yuan.
TEST(ConsultingFee, ScheduleAtEveryBandEdgeOnBothSides) {
  struct Case {
    float investment;
    const char* reportPreparation;
    const char* reportReview;
    const char* formPreparation;
    const char* formReview;
  };
  const Case cases[] = {
      {0, "5", "0.8", "1", "0.5"},
      {1000, "5.333333", "1.033333", "1.333333", "0.6"},
      {2999.7f, "5.9999", "1.49993", "1.9999", "0.79997"},
      // 3000 gives the single 0.3, above the double 0.3: the edge is compared in single.
      {3000, "6", "1.5", "2", "0.8"},
      {3000.3f, "6.000159", "1.500026", "2.000035", "0.8000124"},
      {3500, "6.264706", "1.544118", "2.058824", "0.8205882"},
      {10000, "9.705882", "2.117647", "2.823529", "1.088235"},
      {19999.98f, "14.99999", "2.999998", "3.999998", "1.499999"},
      {20000, "15", "3", "4", "1.5"},
      {20000.02f, "15", "3.000001", "4.000001", "1.5"},
      {50000, "22.5", "4.5", "5.125", "1.6875"},
      {99999, "34.99975", "6.99995", "6.999962", "1.999994"},
      {100000, "35", "7", "7", "2"},
      {100001, "35.0001", "7.000005", "7", "2"},
      {300000, "55", "8", "7", "2"},
      {499990, "74.999", "8.99995", "7", "2"},
      {500000, "75", "9", "7", "2"},
      {500010, "75.0007", "9.00008", "7", "2"},
      {750000, "92.5", "11", "7", "2"},
      {999990, "109.9993", "12.99992", "7", "2"},
      {1000000, "110", "13", "7", "2"},
      {1000010, "110", "13", "7", "2"},
      {2000000, "110", "13", "7", "2"},
      {-5000, "3.333333", "-0.3666667", "-0.6666667", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.investment);
    float i = hundredMillions(c.investment);
    Fees report = scheduledFees(i, DocumentKind::report);
    Fees form = scheduledFees(i, DocumentKind::form);
    EXPECT_EQ(plainText(report.preparation), c.reportPreparation);
    EXPECT_EQ(plainText(report.review), c.reportReview);
    EXPECT_EQ(plainText(form.preparation), c.formPreparation);
    EXPECT_EQ(plainText(form.review), c.formReview);
  }
}

FeeRequest report(std::string investment, const char* industry = kFirstGroup,
                  const char* sensitivity = "敏感") {
  return FeeRequest{.investment = std::move(investment),
                    .topicCount = "2",
                    .kind = DocumentKind::report,
                    .industry = industry,
                    .sensitivity = sensitivity};
}

FeeRequest form(std::string investment, std::string topics) {
  FeeRequest request = report(std::move(investment));
  request.kind = DocumentKind::form;
  request.topicCount = std::move(topics);
  return request;
}

std::string reportText(const char* preparation, const char* review) {
  return std::string("    编制环境影响报告书(含大纲)的费用约为:") + preparation +
         "万元\n    评估环境影响报告书(含大纲)的费用约为:" + review + "万元\n" + kNotes;
}

std::string formText(const char* preparation, const char* review) {
  return std::string("    编制环境影响报告表的费用为:") + preparation +
         "万元\n    评估环境影响报告表的费用为:" + review + "万元\n" + kNotes;
}

TEST(ConsultingFee, ResultTexts) {
  const std::pair<FeeRequest, std::string> cases[] = {
      {report("3500"), reportText("8.7706", "1.54412")},
      {report("3000"), reportText("8.4", "1.5")},
      {report("3500", kLastGroup, "一般"), reportText("2.5059", "1.54412")},
      {report("3500", "石化、石油天然气、水利、水电、旅游", "一般"),
       reportText("5.6382", "1.54412")},
      {report("20000", kThirdGroup), reportText("18", "3")},
      {report("150000"), reportText("56", "7.25")},
      {report("1000000"), reportText("154", "13")},
      {report("2000000"), reportText("154", "13")},
      {report("99999"), reportText("48.9997", "6.99995")},
      {report("3500", "", ""), reportText("6.2647", "1.54412")},
      {form("3500", "2"), formText("4.1176", "0.82059")},
      {form("3500", "0"), formText("2.0588", "0.82059")},
      {form("20000", "1"), formText("6", "1.5")},
      {form("100000", "3"), formText("17.5", "2")},
      {form("150000", "2"),
       std::string(
           "    编制环境影响报告表的费用为:7万元以上，计价格[2002]125号文件规定，好象没有上限！\n"
           "    "
           "评估环境影响报告表的费用为:2万元以上，计价格[2002]125号文件规定，好象没有上限！\n") +
           kNotes},
  };
  for (const auto& [request, text] : cases) {
    SCOPED_TRACE(request.investment + " " + request.industry + " " + request.sensitivity);
    FeeOutcome outcome = consultingFee(request);
    EXPECT_EQ(outcome.text, text);
    EXPECT_EQ(outcome.unreadableField, "");
  }
}

TEST(ConsultingFee, TextsThatAreNoNumberNameTheirField) {
  const std::pair<FeeRequest, const char*> cases[] = {
      {report(""), "项目的投资额（万元）"},     {report("35亿"), "项目的投资额（万元）"},
      {report("1e39"), "项目的投资额（万元）"}, {form("abc", "2"), "项目的投资额（万元）"},
      {form("3500", ""), "设置专题的个数"},     {form("3500", "两个"), "设置专题的个数"},
  };
  for (const auto& [request, field] : cases) {
    SCOPED_TRACE(request.investment + " " + request.topicCount);
    FeeOutcome outcome = consultingFee(request);
    EXPECT_FALSE(outcome.text);
    EXPECT_EQ(outcome.unreadableField, field);
  }
  // The topic count plays no part in a full report nor in an open-ended form.
  FeeRequest unread = report("3500");
  unread.topicCount = "x";
  EXPECT_TRUE(consultingFee(unread).text);
  EXPECT_TRUE(consultingFee(form("150000", "x")).text);
}

TEST(ConsultingFee, MalformedSchedulesAreRefused) {
  const char* band = "band\t\t110\t0\t1\t13\t0\t1\t7\t0\t1\t2\t0\t1\n";
  const std::string malformed[] = {
      "",
      "band\t0.3\t5\t1\t0.3\t0.8\t0.7\t0.3\t1\t1\t0.3\t0.5\t0.3\t0.3\n",
      "band\t0.3\t5\t1\t0.3\n" + std::string(band),
      "band\t2\t6\t9\t0\t1.5\t1.5\t1.7\t2\t2\t1.7\t0.8\t0.7\t1.7\n" + std::string(band),
      "band\t2\t6\t9\tx\t1.5\t1.5\t1.7\t2\t2\t1.7\t0.8\t0.7\t1.7\n" + std::string(band),
      "band\t2\t6\t9\t1.7\t1.5\t1.5\t1.7\t2\t2\t1.7\t0.8\t0.7\t1.7\n"
      "band\t1\t6\t9\t1.7\t1.5\t1.5\t1.7\t2\t2\t1.7\t0.8\t0.7\t1.7\n" +
          std::string(band),
      std::string(band) + band,
      std::string(band) + "industry\t粮食\n",
      std::string(band) + "sensitivity\t敏感\tsome\n",
      std::string(band) + "share\t敏感\t0.2\n",
  };
  for (const std::string& text : malformed) {
    EXPECT_THROW(parseFeeSchedule(text), std::invalid_argument) << text;
  }
  FeeSchedule schedule = parseFeeSchedule(std::string(band) + "industry\t粮食\t-0.4\n");
  ASSERT_EQ(schedule.bands.size(), 1u);
  EXPECT_EQ(schedule.industries.front().share, -0.4);
}

}  // namespace
}  // namespace tolvar::fee
