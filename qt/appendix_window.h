#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>

#include <functional>

#include "qt/appendix_files.h"
#include "report/appendix.h"

namespace tolvar::qt {

// The gathered calculation sheets: a list in order with the chosen sheet beside it, and the
// commands to reorder, remove, copy, clear and save them. It only shows the appendix, which
// belongs to the program and outlives the window.
class AppendixWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AppendixWindow(Appendix& appendix);
  ~AppendixWindow() override;

  // Where to save: asks the user by default; tests answer instead.
  using PathQuestion = std::function<QString(AppendixFormat)>;
  void setPathQuestion(PathQuestion question) { askPath_ = std::move(question); }
  void save(AppendixFormat format);
  void setOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void refresh();
  void showChosen();
  int chosen() const;
  void moveChosen(int step);
  void removeChosen();
  void clearAll();
  QString askPath(AppendixFormat format);

  Appendix& appendix_;
  QListWidget* list_;
  QTextBrowser* preview_;
  std::vector<QPushButton*> needsSheets_;  // commands that have nothing to act on when empty
  PathQuestion askPath_;
  std::function<void()> onClose_;
};

}  // namespace tolvar::qt
