#include "qt/tool_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qt/sheet_clipboard.h"
#include "qt/text_conversion.h"

namespace tolvar::qt {

ToolWindow::ToolWindow(std::shared_ptr<Window> window, std::function<void()> onClose)
    : QWidget(nullptr, Qt::Window), window_(window), onClose_(std::move(onClose)) {
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
  // Captions set after the layouts were built (option buttons in frames) leave stale size hints
  // in the nested layouts until their pending layout requests have run.
  for (QWidget* child : content->findChildren<QWidget*>()) child->updateGeometry();
  for (QLayout* nested : content->findChildren<QLayout*>()) nested->invalidate();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  if (content->layout() != nullptr) content->layout()->activate();
  preferredSize_ = content->sizeHint().expandedTo(content->minimumSizeHint()) + QSize(4, 4);
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  resize(preferredSize_.boundedTo(screen.size() - QSize(40, 60)));
  addSheetActions();
}

CalculationSheet ToolWindow::sheet() const {
  return calculationSheet(*window_, currentTimeText());
}

// The window's context menu: fields keep their own editing menus, the rest of the window
// offers the calculation sheet.
void ToolWindow::addSheetActions() {
  auto* copy = new QAction(QString::fromUtf8("复制计算书"), this);
  copy->setObjectName("CopySheet");
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copy->setShortcutContext(Qt::WindowShortcut);
  connect(copy, &QAction::triggered, this, [this] { copySheets({sheet()}); });
  auto* gather = new QAction(QString::fromUtf8("加入计算书汇总"), this);
  gather->setObjectName("GatherSheet");
  gather->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
  gather->setShortcutContext(Qt::WindowShortcut);
  connect(gather, &QAction::triggered, this, [this] {
    if (appendix_ != nullptr) appendix_->add(sheet());
  });
  addAction(copy);
  addAction(gather);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onClose_) onClose_();
}

}  // namespace tolvar::qt
