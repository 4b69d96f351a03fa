#pragma once

#include <QStringList>
#include <QWidget>

#include <string>
#include <vector>

namespace tolvar::qt {

// Lines of text drawn straight onto a window's surface from its top left corner down, under the
// window's controls and outside its layout; lines that run past the surface are clipped, as
// drawing on a window is.
class DrawnTextWidget : public QWidget {
  Q_OBJECT

 public:
  explicit DrawnTextWidget(QWidget* surface);
  void setLines(const std::vector<std::string>& lines);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QStringList lines_;
};

}  // namespace tolvar::qt
