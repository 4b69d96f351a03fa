#pragma once

#include <QObject>

namespace tolvar::qt {

// Ends every event loop of the application as soon as any top-level window has been painted
// once, so that whole-process start-up times can be measured.
class FirstPaintQuit : public QObject {
  Q_OBJECT

 public:
  explicit FirstPaintQuit(QObject* parent = nullptr);
  bool painted() const { return painted_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool painted_ = false;
};

}  // namespace tolvar::qt
