#include "shell/help_topics.h"

#include <gtest/gtest.h>

namespace tolvar {
namespace {

TEST(HelpTopics, TreeFollowsTheTableOrder) {
  std::vector<std::string> topLevel;
  for (const HelpTopic& topic : helpTopics()) {
    EXPECT_FALSE(topic.paragraphs.empty()) << topic.title;
    if (topic.parent < 0) topLevel.push_back(topic.title);
  }
  EXPECT_EQ(topLevel,
            (std::vector<std::string>{"关于Tolvar环评工具箱", "关于《八五环境统计手册》",
                                      "关于《工业污染物产生和排放系数手册》",
                                      "关于《上岗培训教材》", "关于《环境保护计算手册》",
                                      "关于《环境保护实用数据手册》", "意见和建议", "升级历史"}));
  EXPECT_EQ(helpTopics().back().title, "060808升级版(修正)");
  EXPECT_EQ(helpTopics()[static_cast<std::size_t>(helpTopics().back().parent)].title, "升级历史");
}

TEST(HelpTopics, ATopicShowsItsTitleThenIndentedParagraphs) {
  auto topics = parseHelpTopics("# 甲\n第一段\n## 感 谢\n谢谢。\r\n\n再谢。\n# 乙\n内容\n");
  ASSERT_EQ(topics.size(), 3u);
  EXPECT_EQ(topics[1].parent, 0);
  EXPECT_EQ(topics[2].parent, -1);
  EXPECT_EQ(helpTopicText(topics[1]), "感 谢\n    谢谢。\n    再谢。");
  EXPECT_THROW(parseHelpTopics("## 孤立\n"), std::logic_error);
}

}  // namespace
}  // namespace tolvar
