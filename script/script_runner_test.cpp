#include "script/script_runner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tolvar {
namespace {

MessageBox question(Answer defaultAnswer) {
  MessageBox box;
  box.title = "退出提示";
  box.text = "退出吗？";
  box.buttons = MessageButtons::yesNo;
  box.defaultAnswer = defaultAnswer;
  return box;
}

TEST(ScriptRunner, AQuestionShowsItsButtonsAndTakesQueuedAnswersInOrder) {
  std::ostringstream out;
  ScriptRunner runner(out);
  runner.runLine(R"({"answer": "yes"})");
  runner.runLine(R"({"answer": "no"})");
  EXPECT_EQ(runner.ask(MessageBox{"只有确定"}), Answer::ok);  // takes no answer
  EXPECT_EQ(runner.ask(question(Answer::no)), Answer::yes);
  EXPECT_EQ(runner.ask(question(Answer::yes)), Answer::no);
  EXPECT_EQ(runner.ask(question(Answer::no)), Answer::no);  // none queued: the default
  EXPECT_EQ(out.str(),
            "{\"message\":\"只有确定\",\"title\":\"Tolvar环评工具箱升级版\"}\n"
            "{\"message\":\"退出吗？\",\"title\":\"退出提示\",\"buttons\":[\"yes\",\"no\"],"
            "\"default\":\"no\"}\n"
            "{\"message\":\"退出吗？\",\"title\":\"退出提示\",\"buttons\":[\"yes\",\"no\"],"
            "\"default\":\"yes\"}\n"
            "{\"message\":\"退出吗？\",\"title\":\"退出提示\",\"buttons\":[\"yes\",\"no\"],"
            "\"default\":\"no\"}\n");
}

TEST(ScriptRunner, ATextThatIsNotUtf8IsAnErrorOfItsOwnAndOutputGoesOn) {
  std::ostringstream out;
  ScriptRunner runner(out);
  std::istringstream script("{\"list\": \"bad\xFF\"}\n{\"open\": \"分贝相减运算\"}\n");
  EXPECT_EQ(runner.run(script), 1);
  runner.ask(MessageBox{"坏\xE5\x9C"});
  EXPECT_EQ(out.str(),
            "{\"error\":\"not a JSON object: {\\\"list\\\": \\\"bad\xEF\xBF\xBD\\\"}\"}\n"
            "{\"opened\":\"分贝相减运算\"}\n"
            "{\"error\":\"a text that is not valid UTF-8: {\\\"message\\\":\\\"坏\xEF\xBF\xBD\\\","
            "\\\"title\\\":\\\"Tolvar环评工具箱升级版\\\"}\"}\n");
}

}  // namespace
}  // namespace tolvar
