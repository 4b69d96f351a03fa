#include "qt/tool_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qt/text_conversion.h"

namespace tolvar::qt {

ToolWindow::ToolWindow(std::shared_ptr<Window> window, std::function<void()> onClose)
    : QWidget(nullptr, Qt::Window), onClose_(std::move(onClose)) {
  setObjectName(toQString(window->title()));
  setWindowTitle(toQString(window->title()));
  auto* content = new QWidget;
  new WindowRenderer(std::move(window), content);  // a child of content, gone with it
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);

  content->ensurePolished();
  for (QWidget* child : content->findChildren<QWidget*>()) child->ensurePolished();
  // Frames cache the size of what they held when they were laid out, before captions and note
  // heights were filled in.
  for (QWidget* child : content->findChildren<QWidget*>()) child->updateGeometry();
  for (QLayout* inner : content->findChildren<QLayout*>()) inner->invalidate();
  if (content->layout() != nullptr) content->layout()->activate();
  preferredSize_ = content->sizeHint().expandedTo(content->minimumSizeHint()) + QSize(4, 4);
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  resize(preferredSize_.boundedTo(screen.size() - QSize(40, 60)));
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onClose_) onClose_();
}

}  // namespace tolvar::qt
