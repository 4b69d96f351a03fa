#include <gtest/gtest.h>

#include <functional>

#include "catalogues/catalogue_tools.h"
#include "catalogues/industry_classification_window.h"
#include "catalogues/structure_adjustment_window.h"
#include "framework/desktop.h"
#include "framework/testing/message_recording_host.h"

namespace tolvar::catalogues {
namespace {

struct RejectedKeyword {
  const char* what;
  const char* title;
  std::function<void(Window&)> act;
};

// After a keyword is refused, the user lands in the keyword field to correct it.
TEST(CatalogueKeyword, ARefusedKeywordSendsTheFocusToTheKeywordField) {
  const RejectedKeyword cases[] = {
      {"classification, Latin keyword", kIndustryClassificationTitle,
       [](Window& w) {
         w.click("Option2");
         w.setText("Text1", "abc");
         w.click("Command1");
       }},
      {"structure, emptied keyword", kStructureAdjustmentTitle,
       [](Window& w) {
         w.setText("Text1", "");
       }},
      {"structure, digit keyword", kStructureAdjustmentTitle,
       [](Window& w) {
         w.setText("Text1", "1化工");
         w.click("Command1");
       }},
  };
  for (const RejectedKeyword& c : cases) {
    SCOPED_TRACE(c.what);
    ToolRegistry registry;
    registerCatalogueTools(registry);
    MessageRecordingHost host;
    Desktop desktop(std::move(registry), host);
    auto w = desktop.show(c.title);
    w->focus("Combo1");
    c.act(*w);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(w->focused(), "Text1");
  }
}

}  // namespace
}  // namespace tolvar::catalogues
