#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/window.h"

namespace tolvar::qt {

// Builds the widgets of a window model into a container widget, keeps them in step with the
// model and forwards the user's actions to it. Every widget carries its control's name as its
// objectName.
class WindowRenderer : public QObject {
  Q_OBJECT

 public:
  WindowRenderer(std::shared_ptr<Window> window, QWidget* container);
  ~WindowRenderer() override;

  Window& window() { return *window_; }
  QWidget* widget(const std::string& control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row;
  class Container;

  void build();
  QWidget* createWidget(const Control& control, QWidget* parent);
  void connectWidget(const Control& control, QWidget* widget);
  void refresh(const std::string& control, ControlChange change);
  void refreshAll(const Control& control);
  bool filterKey(const std::string& control, QWidget* widget, QEvent* event);

  std::shared_ptr<Window> window_;
  QWidget* container_;
  std::map<std::string, QPointer<QWidget>> widgets_;
  std::map<std::string, std::vector<QPointer<QWidget>>> companions_;  // caption and unit labels
  std::map<QObject*, std::string> controlOf_;
  bool updating_ = false;
};

}  // namespace tolvar::qt
