#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvar {

struct HelpTopic {
  std::string title;
  int parent = -1;  // the index of the topic it belongs to, -1 for a top-level topic
  std::vector<std::string> paragraphs;
};

// Topics in tree order: "# TITLE" starts a topic, "## TITLE" a subtopic of the last topic,
// every other non-empty line is a paragraph of the topic above it.
std::vector<HelpTopic> parseHelpTopics(std::string_view text);
const std::vector<HelpTopic>& helpTopics();

// The view's text for a topic: its title, a line feed, then its paragraphs, each on a line of
// its own and indented by four blanks.
std::string helpTopicText(const HelpTopic& topic);

}  // namespace tolvar
