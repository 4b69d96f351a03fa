#pragma once

#include <QWidget>

#include <functional>
#include <memory>

#include "framework/window.h"
#include "qt/window_renderer.h"
#include "report/appendix.h"

namespace tolvar::qt {

// A tool window on the screen: top-level, without an owner, not modal; scrolls when its
// controls would not fit the screen.
class ToolWindow : public QWidget {
  Q_OBJECT

 public:
  ToolWindow(std::shared_ptr<Window> window, std::function<void()> onClose);
  // The size that shows every control without scrolling; smaller screens get scroll bars.
  QSize preferredSize() const { return preferredSize_; }
  // Where "加入计算书汇总" gathers this window's calculation sheet.
  void setAppendix(Appendix* appendix) { appendix_ = appendix; }
  CalculationSheet sheet() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void addSheetActions();

  std::shared_ptr<Window> window_;
  Appendix* appendix_ = nullptr;
  QSize preferredSize_;
  std::function<void()> onClose_;
};

}  // namespace tolvar::qt
