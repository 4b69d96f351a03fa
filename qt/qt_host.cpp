#include "qt/qt_host.h"

#include <QApplication>

#include "qt/launcher.h"
#include "qt/message_boxes.h"
#include "qt/text_conversion.h"
#include "tools/all_tools.h"

namespace tolvar::qt {

QtHost::QtHost() : desktop_(allTools(), *this) {}

// The tool windows have no parent widget: the host that made them deletes those still open.
QtHost::~QtHost() {
  for (auto& [identity, view] : views_) delete view.data();
}

ToolWindow* QtHost::view(const std::string& identity) const {
  auto found = views_.find(identity);
  return found == views_.end() ? nullptr : found->second.data();
}

Answer QtHost::ask(const MessageBox& box) {
  return showMessageBox(box, QApplication::activeWindow());
}

void QtHost::shown(Window& window, bool created) {
  ToolWindow* view = this->view(window.title());
  if (created || view == nullptr) {
    std::string identity = window.title();
    view =
        new ToolWindow(window.shared_from_this(), [this, identity] { desktop_.close(identity); });
    view->setAppendix(&appendix_);
    views_[identity] = view;
  }
  if (view->isMinimized()) view->showNormal();
  view->show();
  view->raise();
  view->activateWindow();
}

void QtHost::closed(Window& window) {
  auto found = views_.find(window.title());
  if (found == views_.end()) return;
  if (ToolWindow* view = found->second.data()) {
    view->hide();
    view->deleteLater();
  }
  views_.erase(found);
  quitWhenNothingIsLeft();
}

bool QtHost::launch(const LaunchRequest& request) {
  return qt::launch(request);
}

AppendixWindow& QtHost::showAppendix() {
  if (!appendixWindow_) {
    appendixWindow_ = std::make_unique<AppendixWindow>(appendix_);
    appendixWindow_->setOnClose([this] { quitWhenNothingIsLeft(); });
  }
  if (appendixWindow_->isMinimized()) appendixWindow_->showNormal();
  appendixWindow_->show();
  appendixWindow_->raise();
  appendixWindow_->activateWindow();
  return *appendixWindow_;
}

void QtHost::mainWindowEnded() {
  mainWindowEnded_ = true;
  quitWhenNothingIsLeft();
}

void QtHost::quitWhenNothingIsLeft() {
  bool appendixShown = appendixWindow_ && appendixWindow_->isVisible();
  if (mainWindowEnded_ && views_.empty() && !appendixShown) QApplication::quit();
}

}  // namespace tolvar::qt
