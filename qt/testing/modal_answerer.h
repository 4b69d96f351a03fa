#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tolvar::qt::testing {

// Waits for the next modal message box, lets the check look at it, then presses the key.
inline void whenMessageBoxShows(std::function<void(QMessageBox&)> check,
                                Qt::Key key = Qt::Key_Return) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, check, key] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    timer->stop();
    timer->deleteLater();
    check(*box);
    QTest::keyClick(box, key);
  });
  timer->start();
}

}  // namespace tolvar::qt::testing
