#include "shell/help_window.h"

#include "framework/window.h"
#include "shell/help_topics.h"

namespace tolvar {
namespace {

WindowDescriptor describe() {
  std::vector<TreeNode> nodes;
  for (const HelpTopic& topic : helpTopics()) nodes.push_back({topic.title, topic.parent});
  WindowDescriptor d{kHelpTitle, {}};
  d.columns = 2;
  d.add(frame("Frame1", "帮助目录"));
  d.add(treeView("TreeView1", std::move(nodes)).in("Frame1"));
  d.add(frame("Frame2", "帮助内容"));
  d.add(richText("RichTextBox1", "").in("Frame2"));
  return d;
}

// The last subtopic of the last topic ("升级历史") is scrolled into view at opening.
int lastSubtopic() {
  const auto& topics = helpTopics();
  for (int i = static_cast<int>(topics.size()) - 1; i >= 0; --i) {
    if (topics[static_cast<std::size_t>(i)].parent >= 0) return i;
  }
  return 0;
}

}  // namespace

HelpWindow::HelpWindow() : Tool(describe()) {
  onLoad([](Window& w) {
    w.scrollTo("TreeView1", lastSubtopic());
    w.setText("RichTextBox1", helpTopicText(helpTopics().front()));
  });
  on(Event::choose, "TreeView1", [](Window& w) {
    int node = w.state("TreeView1").selectedItem;
    if (node >= 0)
      w.setText("RichTextBox1", helpTopicText(helpTopics()[static_cast<std::size_t>(node)]));
  });
}

}  // namespace tolvar
