#include "tools/fee/consulting_fee_window.h"

#include <gtest/gtest.h>

#include "framework/desktop.h"
#include "framework/testing/message_recording_host.h"

namespace tolvar::fee {
namespace {

class ConsultingFeeWindowTest : public testing::Test {
 protected:
  ConsultingFeeWindowTest()
      : desktop_(registry(), host_), w_(*desktop_.show(kConsultingFeeTitle)) {}

  static ToolRegistry registry() {
    ToolRegistry tools;
    registerTool<ConsultingFeeWindow>(tools, kConsultingFeeTitle);
    return tools;
  }

  MessageRecordingHost host_;
  Desktop desktop_;
  Window& w_;
};

// Which controls the document kind shows, and how the topic options lock the count field.
TEST_F(ConsultingFeeWindowTest, DocumentKindAndTopicOptions) {
  auto shown = [&] {
    return std::vector<bool>{w_.state("Frame2").visible, w_.state("Frame3").visible,
                             w_.state("Frame4").visible, w_.state("Text2").visible};
  };
  EXPECT_EQ(shown(), (std::vector<bool>{true, true, false, false}));
  EXPECT_FALSE(w_.state("TopicsYes").checked);
  EXPECT_FALSE(w_.state("TopicsNo").checked);

  w_.click("FormOption");
  EXPECT_EQ(shown(), (std::vector<bool>{false, false, true, true}));
  EXPECT_TRUE(w_.state("TopicsYes").checked);
  EXPECT_FALSE(w_.state("Text2").readOnly);

  w_.click("TopicsNo");
  EXPECT_EQ(w_.text("Text2"), "0");
  EXPECT_TRUE(w_.state("Text2").readOnly);
  EXPECT_FALSE(w_.state("TopicsYes").checked);

  w_.click("TopicsYes");
  EXPECT_FALSE(w_.state("Text2").readOnly);
  EXPECT_EQ(w_.text("Text2"), "0");

  w_.click("ReportOption");
  EXPECT_EQ(shown(), (std::vector<bool>{true, true, false, false}));
}

}  // namespace
}  // namespace tolvar::fee
