#pragma once

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <string>

#include "framework/desktop.h"
#include "qt/appendix_window.h"
#include "qt/tool_window.h"
#include "report/appendix.h"

namespace tolvar::qt {

// Shows the desktop's windows and message boxes with Qt. The program ends when the main
// window has ended and the last tool window is closed.
class QtHost : public QObject, public WindowHost {
  Q_OBJECT

 public:
  QtHost();
  ~QtHost() override;
  Desktop& desktop() { return desktop_; }
  ToolWindow* view(const std::string& identity) const;
  void mainWindowEnded();
  // The calculation sheets gathered during this run, and the window that lists them.
  Appendix& appendix() { return appendix_; }
  AppendixWindow& showAppendix();

  Answer ask(const MessageBox& box) override;
  void shown(Window& window, bool created) override;
  void closed(Window& window) override;
  bool launch(const LaunchRequest& request) override;

 private:
  void quitWhenNothingIsLeft();

  Appendix appendix_;
  Desktop desktop_;
  std::unique_ptr<AppendixWindow> appendixWindow_;
  std::map<std::string, QPointer<ToolWindow>> views_;
  bool mainWindowEnded_ = false;
};

}  // namespace tolvar::qt
