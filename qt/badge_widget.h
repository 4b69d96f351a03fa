#pragma once

#include <QTimer>
#include <QWidget>

namespace tolvar::qt {

// The maker's animated 88 × 31 badge: the community's name sweeping over a shifting band.
class BadgeWidget : public QWidget {
  Q_OBJECT

 public:
  explicit BadgeWidget(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {88, 31}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer timer_;
  int frame_ = 0;
};

}  // namespace tolvar::qt
