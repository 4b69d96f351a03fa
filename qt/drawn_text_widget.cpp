#include "qt/drawn_text_widget.h"

#include <QEvent>
#include <QPainter>

#include "qt/text_conversion.h"

namespace tolvar::qt {

DrawnTextWidget::DrawnTextWidget(QWidget* surface) : QWidget(surface) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(surface->rect());
  lower();
  // Covers the whole surface whatever size the window takes.
  surface->installEventFilter(this);
}

void DrawnTextWidget::setLines(const std::vector<std::string>& lines) {
  lines_.clear();
  for (const std::string& line : lines) lines_ << toQString(line);
  update();
}

void DrawnTextWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  QFontMetrics metrics = fontMetrics();
  int baseline = metrics.ascent();
  for (const QString& line : lines_) {
    if (baseline - metrics.ascent() > height()) break;
    painter.drawText(0, baseline, line);
    baseline += metrics.lineSpacing();
  }
}

bool DrawnTextWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
    lower();
  }
  return false;
}

}  // namespace tolvar::qt
