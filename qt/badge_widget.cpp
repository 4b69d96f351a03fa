#include "qt/badge_widget.h"

#include <QLinearGradient>
#include <QPainter>

namespace tolvar::qt {

namespace {
constexpr int kFrames = 40;
constexpr int kFrameMilliseconds = 120;
}  // namespace

BadgeWidget::BadgeWidget(QWidget* parent) : QWidget(parent) {
  setFixedSize(88, 31);
  setCursor(Qt::PointingHandCursor);
  setToolTip(QString::fromUtf8("点击即可访问！"));
  connect(&timer_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % kFrames;
    update();
  });
  timer_.start(kFrameMilliseconds);
}

void BadgeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  double phase = static_cast<double>(frame_) / kFrames;
  QLinearGradient band(0, 0, width(), 0);
  band.setColorAt(0.0, QColor(0, 96, 48));
  band.setColorAt(phase, QColor(80, 190, 110));
  band.setColorAt(1.0, QColor(0, 96, 48));
  painter.fillRect(rect(), band);
  painter.setPen(QColor(255, 255, 255));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  QFont font = painter.font();
  font.setPixelSize(11);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(rect().adjusted(2, 1, -2, -14), Qt::AlignCenter, QStringLiteral("Tolvar"));
  font.setBold(false);
  font.setPixelSize(10);
  painter.setFont(font);
  painter.drawText(rect().adjusted(2, 14, -2, -1), Qt::AlignCenter,
                   QString::fromUtf8("环境交流中心"));
}

}  // namespace tolvar::qt
