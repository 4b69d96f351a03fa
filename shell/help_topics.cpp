#include "shell/help_topics.h"

#include <sstream>
#include <stdexcept>

#include "framework/embedded_data.h"

namespace tolvar {

std::vector<HelpTopic> parseHelpTopics(std::string_view text) {
  std::vector<HelpTopic> topics;
  int lastTopLevel = -1;
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.rfind("## ", 0) == 0) {
      if (lastTopLevel < 0) throw std::logic_error("help subtopic before any topic: " + line);
      topics.push_back({line.substr(3), lastTopLevel, {}});
    } else if (line.rfind("# ", 0) == 0) {
      lastTopLevel = static_cast<int>(topics.size());
      topics.push_back({line.substr(2), -1, {}});
    } else {
      if (topics.empty()) throw std::logic_error("help text before any topic: " + line);
      topics.back().paragraphs.push_back(line);
    }
  }
  return topics;
}

const std::vector<HelpTopic>& helpTopics() {
  static const std::vector<HelpTopic> topics =
      parseHelpTopics(embeddedData("shell/help_topics.txt"));
  return topics;
}

std::string helpTopicText(const HelpTopic& topic) {
  std::string text = topic.title + "\n";
  for (std::size_t i = 0; i < topic.paragraphs.size(); ++i) {
    if (i > 0) text += "\n";
    text += "    " + topic.paragraphs[i];
  }
  return text;
}

}  // namespace tolvar
