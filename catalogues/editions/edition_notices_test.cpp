#include "catalogues/editions/edition_notices.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tools/all_tools.h"

namespace tolvar::catalogues {
namespace {

// The controls of a window as the program creates it.
std::vector<Control> controlsOf(const ToolRegistry& registry, const std::string& title) {
  std::unique_ptr<Tool> tool = registry.create(title);
  return tool ? tool->descriptor().controls : std::vector<Control>{};
}

std::size_t indexOf(const std::vector<Control>& controls, std::string_view name) {
  auto found = std::find_if(controls.begin(), controls.end(),
                            [&](const Control& c) { return c.name == name; });
  return static_cast<std::size_t>(found - controls.begin());
}

// YYYY-MM-DD; written out because std::regex trips a false warning of GCC 12 at -O2.
bool isIsoDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

TEST(EditionNotices, EachNamesAWindowOfTheProgramAndADateOfEffect) {
  ToolRegistry registry = allTools();
  ASSERT_EQ(editionNotices().size(), 5u);
  for (const EditionNotice& n : editionNotices()) {
    EXPECT_TRUE(registry.knows(n.windowTitle)) << n.windowTitle;
    EXPECT_TRUE(isIsoDate(n.inForce)) << n.inForce;
    EXPECT_FALSE(n.edition.empty() || n.current.empty() || n.source.empty() || n.text.empty())
        << n.windowTitle;
  }
}

TEST(EditionNotices, EveryWindowInTheTableShowsItsNoticeUnderItsHeading) {
  ToolRegistry registry = allTools();
  for (const EditionNotice& n : editionNotices()) {
    std::vector<Control> controls = controlsOf(registry, n.windowTitle);
    std::size_t at = indexOf(controls, kEditionNoticeControl);
    ASSERT_LT(at, controls.size()) << n.windowTitle;
    const Control& notice = controls[at];
    EXPECT_EQ(notice.kind, ControlKind::label);
    EXPECT_TRUE(notice.muted);
    EXPECT_EQ(notice.text, n.text);
    EXPECT_TRUE(notice.parent.empty());
    // Under the heading where the window has one, else the first line of the window.
    if (at > 0) {
      EXPECT_TRUE(controls[at - 1].emphasised) << n.windowTitle;
    }
    EXPECT_EQ(std::count_if(controls.begin(), controls.end(),
                            [](const Control& c) { return c.name == kEditionNoticeControl; }),
              1);
  }
}

TEST(EditionNotices, OtherWindowsAreLeftAsTheyAre) {
  ToolRegistry registry = allTools();
  for (const std::string& title : registry.identities()) {
    if (editionNoticeFor(title) != nullptr) continue;
    std::vector<Control> controls = controlsOf(registry, title);
    EXPECT_EQ(indexOf(controls, kEditionNoticeControl), controls.size()) << title;
  }
}

TEST(EditionNotices, ANoticeInAWindowOfColumnsSpansThemWhenNoHeadingLeadsIt) {
  WindowDescriptor window{"公路交通噪声预测JTJ 005-96", {}};
  window.columns = 2;
  window.add(frame("Frame1", "交通部公路模型交通噪声预测"));
  addEditionNotice(window);
  addEditionNotice(window);  // a second amendment adds nothing
  ASSERT_EQ(window.controls.size(), 2u);
  EXPECT_EQ(window.controls[0].name, kEditionNoticeControl);
  EXPECT_TRUE(window.controls[0].acrossColumns);
}

}  // namespace
}  // namespace tolvar::catalogues
